// formOptions on an in-memory settings store: defaults on first open, the scroll bars, the
// enabling of its buttons, Apply, OK, Cancel and Browse.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "settings/memory_store.h"
#include "settings/preferences_dialog.h"

using namespace velloran;

namespace {

constexpr const char* kDefaultFolder = "/home/u/.local/share/velloran/config/";

class RecordingAssociation : public FileAssociation {
public:
    std::vector<bool> calls;
    void reg_vlz(bool associate) override { calls.push_back(associate); }
};

QString setting(MemoryStore& store, const char* name) {
    return QString::fromStdString(store.GetString(Root::CurrentUser, kConfigKey, name));
}

template <class T>
T* child(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no %s", name);
    return found;
}

// Apply, OK and Cancel enabled as "apply ok cancel" flags, e.g. "--c".
QString buttons(QWidget& w) {
    return QString(child<QPushButton>(w, "cmdApply")->isEnabled() ? "a" : "-") +
           (child<QPushButton>(w, "cmdOK")->isEnabled() ? "o" : "-") +
           (child<QPushButton>(w, "cmdCancel")->isEnabled() ? "c" : "-");
}

}  // namespace

class PreferencesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void firstOpenShowsAndWritesTheDefaults() {
        MemoryStore store;
        RecordingAssociation association;
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder);
        QCOMPARE(dialog.windowTitle(), QString("Preferences"));
        QCOMPARE(child<QCheckBox>(dialog, "Check3")->text(),
                 QString("Edit *.vlz files in Velloran"));
        QVERIFY(!child<QCheckBox>(dialog, "Check3")->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "TextHold")->text(), QString("0"));
        QCOMPARE(child<QLineEdit>(dialog, "TextRepeat")->text(), QString("500"));
        QCOMPARE(child<QLineEdit>(dialog, "TextRotary")->text(), QString("35"));
        QCOMPARE(child<QLineEdit>(dialog, "Text1")->text(), QString(kDefaultFolder));
        QCOMPARE(child<QGroupBox>(dialog, "Frame1")->title(),
                 QString("Default Configuration Folder"));
        QCOMPARE(child<QLabel>(dialog, "LabelRepeat")->text(),
                 QString("Repeat key macro delay (ms):"));
        QCOMPARE(child<QLabel>(dialog, "LabelRotaryInfo")->text(),
                 QString("Threshold in milliseconds before switching from Low to Hi rate."));
        QCOMPARE(buttons(dialog), QString("--c"));

        QCOMPARE(setting(store, "associate"), QString("False"));
        QCOMPARE(setting(store, "KeyHold"), QString("0"));
        QCOMPARE(setting(store, "RepeatRate"), QString("500"));
        QCOMPARE(setting(store, "RotaryRate"), QString("35"));
        QCOMPARE(setting(store, "ConfigPath"), QString(kDefaultFolder));
        QVERIFY(association.calls.empty());
    }

    void scrollBarsHaveTheirLargestValueAtTheTop_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("text");
        using A = QAbstractSlider;
        // Starting from the defaults: hold 0, repeat 500, rotary 35.
        QTest::newRow("hold to the top") << "Hold" << int(A::SliderToMinimum) << "500";
        QTest::newRow("hold up one step") << "Hold" << int(A::SliderSingleStepSub) << "5";
        QTest::newRow("hold up one page") << "Hold" << int(A::SliderPageStepSub) << "25";
        QTest::newRow("hold down stays at 0") << "Hold" << int(A::SliderSingleStepAdd) << "0";
        QTest::newRow("repeat to the top") << "Repeat" << int(A::SliderToMinimum) << "1000";
        QTest::newRow("repeat up one step") << "Repeat" << int(A::SliderSingleStepSub) << "600";
        QTest::newRow("repeat down one page") << "Repeat" << int(A::SliderPageStepAdd) << "400";
        QTest::newRow("rotary to the bottom") << "Rotary" << int(A::SliderToMaximum) << "0";
        QTest::newRow("rotary down one step") << "Rotary" << int(A::SliderSingleStepAdd) << "30";
        QTest::newRow("rotary up one page") << "Rotary" << int(A::SliderPageStepSub) << "60";
    }

    void scrollBarsHaveTheirLargestValueAtTheTop() {
        QFETCH(QString, name);
        QFETCH(int, action);
        QFETCH(QString, text);
        MemoryStore store;
        RecordingAssociation association;
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder);
        auto* scroll = dialog.findChild<QScrollBar*>("VScroll" + name);
        QCOMPARE(scroll->orientation(), Qt::Vertical);
        scroll->triggerAction(static_cast<QAbstractSlider::SliderAction>(action));
        QCOMPARE(dialog.findChild<QLineEdit*>("Text" + name)->text(), text);
        QCOMPARE(buttons(dialog), text == "0" && name == "Hold" ? QString("--c") : QString("aoc"));
    }

    void applyWritesTheValuesAndPutsTheTimingsInForce() {
        MemoryStore store;
        RecordingAssociation association;
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder);
        std::vector<AppliedPreferences> applied;
        connect(&dialog, &PreferencesDialog::applied,
                [&](const AppliedPreferences& a) { applied.push_back(a); });
        dialog.show();

        auto* repeat = child<QLineEdit>(dialog, "TextRepeat");
        repeat->selectAll();
        QTest::keyClicks(repeat, "100");
        QCOMPARE(buttons(dialog), QString("aoc"));
        child<QCheckBox>(dialog, "Check3")->click();
        auto* folder = child<QLineEdit>(dialog, "Text1");
        folder->selectAll();
        QTest::keyClicks(folder, "/data/configs");

        child<QPushButton>(dialog, "cmdApply")->click();
        QCOMPARE(setting(store, "RepeatRate"), QString("100"));
        QCOMPARE(setting(store, "associate"), QString("True"));
        QCOMPARE(setting(store, "ConfigPath"), QString("/data/configs/"));
        QCOMPARE(association.calls, std::vector<bool>{true});
        QCOMPARE(applied.size(), std::size_t(1));
        QCOMPARE(applied[0].timings.repeatDelay, 0.1);
        QCOMPARE(applied[0].timings.rotaryThreshold, 0.035);
        QCOMPARE(applied[0].configFolder, std::string("/data/configs/"));
        QCOMPARE(buttons(dialog), QString("-o-"));

        auto* hold = child<QLineEdit>(dialog, "TextHold");
        hold->selectAll();
        QTest::keyClicks(hold, "20");
        child<QPushButton>(dialog, "cmdOK")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(setting(store, "KeyHold"), QString("20"));
        QCOMPARE(applied.size(), std::size_t(2));
        QCOMPARE(applied[1].timings.keyHoldMs, 20.0);
    }

    void cancelWritesNothing() {
        MemoryStore store;
        store.SaveString(Root::CurrentUser, kConfigKey, "associate", "True");
        store.SaveString(Root::CurrentUser, kConfigKey, "ConfigPath", "/cfg");
        RecordingAssociation association;
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder);
        QVERIFY(child<QCheckBox>(dialog, "Check3")->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "Text1")->text(), QString("/cfg/"));
        QCOMPARE(setting(store, "ConfigPath"), QString("/cfg/"));
        dialog.show();
        child<QScrollBar>(dialog, "VScrollHold")->triggerAction(QAbstractSlider::SliderToMinimum);
        child<QCheckBox>(dialog, "Check3")->click();
        child<QPushButton>(dialog, "cmdCancel")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setting(store, "KeyHold"), QString("0"));
        QCOMPARE(setting(store, "associate"), QString("True"));
        QVERIFY(association.calls.empty());
    }

    void browseReplacesTheFolderUnlessCancelled() {
        MemoryStore store;
        RecordingAssociation association;
        QStringList answers{"", "/media/pads"};
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder, [&](QWidget* owner, const QString& start) {
            Q_ASSERT(owner != nullptr);
            Q_ASSERT(start == QString(kDefaultFolder));
            return answers.takeFirst();
        });
        auto* browse = child<QPushButton>(dialog, "ComBrowse");
        QCOMPARE(browse->text(), QString("&Browse"));
        browse->click();
        QCOMPARE(child<QLineEdit>(dialog, "Text1")->text(), QString(kDefaultFolder));
        QCOMPARE(buttons(dialog), QString("--c"));
        browse->click();
        QCOMPARE(child<QLineEdit>(dialog, "Text1")->text(), QString("/media/pads"));
        QCOMPARE(buttons(dialog), QString("aoc"));
        child<QPushButton>(dialog, "cmdOK")->click();
        QCOMPARE(setting(store, "ConfigPath"), QString("/media/pads/"));
        QCOMPARE(association.calls, std::vector<bool>{false});
    }
};

QTEST_MAIN(PreferencesDialogTest)
#include "preferences_dialog_test.moc"
