// formOptions on an in-memory settings store: the scroll bars, the enabling of its buttons,
// Apply, OK, Cancel and Browse.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "gui_test_main.h"
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
    // The scroll bars run upside down: their largest value is at the top.
    void scrollBarsHaveTheirLargestValueAtTheTop_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("text");
        using A = QAbstractSlider;
        // Starting from the defaults: hold 0, repeat 500, rotary 35.
        QTest::newRow("hold to the top") << "Hold" << int(A::SliderToMinimum) << "500";
        QTest::newRow("hold down stays at 0") << "Hold" << int(A::SliderSingleStepAdd) << "0";
        QTest::newRow("repeat up one step") << "Repeat" << int(A::SliderSingleStepSub) << "600";
        QTest::newRow("rotary down one step") << "Rotary" << int(A::SliderSingleStepAdd) << "30";
    }

    void scrollBarsHaveTheirLargestValueAtTheTop() {
        QFETCH(QString, name);
        QFETCH(int, action);
        QFETCH(QString, text);
        MemoryStore store;
        RecordingAssociation association;
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder);
        QCOMPARE(setting(store, "RepeatRate"), QString("500"));  // the defaults are written
        auto* scroll = dialog.findChild<QScrollBar*>("VScroll" + name);
        scroll->triggerAction(static_cast<QAbstractSlider::SliderAction>(action));
        QCOMPARE(dialog.findChild<QLineEdit*>("Text" + name)->text(), text);
        QCOMPARE(buttons(dialog), text == "0" && name == "Hold" ? QString("--c") : QString("aoc"));
    }

    void applyAndOkWriteTheValuesAndPutTheTimingsInForce() {
        MemoryStore store;
        RecordingAssociation association;
        QStringList browsed{"", "/media/pads"};
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder,
                                 [&](QWidget*, const QString&) { return browsed.takeFirst(); });
        std::vector<AppliedPreferences> applied;
        connect(&dialog, &PreferencesDialog::applied,
                [&](const AppliedPreferences& a) { applied.push_back(a); });
        dialog.show();

        auto* repeat = child<QLineEdit>(dialog, "TextRepeat");
        repeat->selectAll();
        QTest::keyClicks(repeat, "100");
        child<QCheckBox>(dialog, "Check3")->click();
        child<QPushButton>(dialog, "ComBrowse")->click();  // cancelled: the folder stays
        QCOMPARE(child<QLineEdit>(dialog, "Text1")->text(), QString(kDefaultFolder));
        child<QPushButton>(dialog, "ComBrowse")->click();

        child<QPushButton>(dialog, "cmdApply")->click();
        QCOMPARE(setting(store, "RepeatRate"), QString("100"));
        QCOMPARE(setting(store, "associate"), QString("True"));
        QCOMPARE(setting(store, "ConfigPath"), QString("/media/pads/"));
        QCOMPARE(association.calls, std::vector<bool>{true});
        QCOMPARE(applied.size(), std::size_t(1));
        QCOMPARE(applied[0].timings.repeatDelay, 0.1);
        QCOMPARE(buttons(dialog), QString("-o-"));

        auto* hold = child<QLineEdit>(dialog, "TextHold");
        hold->selectAll();
        QTest::keyClicks(hold, "20");
        child<QPushButton>(dialog, "cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(setting(store, "KeyHold"), QString("20"));
        QCOMPARE(applied.size(), std::size_t(2));
    }

    void cancelWritesNothing() {
        MemoryStore store;
        store.SaveString(Root::CurrentUser, kConfigKey, "associate", "True");
        RecordingAssociation association;
        PreferencesDialog dialog(nullptr, store, association, kDefaultFolder);
        QVERIFY(child<QCheckBox>(dialog, "Check3")->isChecked());
        dialog.show();
        child<QScrollBar>(dialog, "VScrollHold")->triggerAction(QAbstractSlider::SliderToMinimum);
        child<QCheckBox>(dialog, "Check3")->click();
        child<QPushButton>(dialog, "cmdCancel")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setting(store, "KeyHold"), QString("0"));
        QCOMPARE(setting(store, "associate"), QString("True"));
        QVERIFY(association.calls.empty());
    }
};

VELLORAN_GUI_TEST(PreferencesDialogTest);
#include "preferences_dialog_test.moc"
