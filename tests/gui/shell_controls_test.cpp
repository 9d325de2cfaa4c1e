// The Configuration list and the tab strip drawn from the session's list and tabs: order, keys,
// looks, the selection, and redrawing without rebuilding.
#include <QSignalSpy>
#include <QTest>

#include "base/ole_colour.h"
#include "resources/icons.h"
#include "shell/configuration_list_widget.h"
#include "shell/tab_strip_widget.h"

using namespace velloran;

namespace {

ListEntry entry(const char* key, const char* text) {
    ListEntry e;
    e.key = key;
    e.text = text;
    return e;
}

QIcon defaultIcon(const ListEntry&) {
    return icons::defaultConfiguration();
}

QStringList texts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

}  // namespace

class ShellControlsTest : public QObject {
    Q_OBJECT

private slots:
    void listShowsTheEntriesInTheirOrder() {
        ConfigurationList list;
        list.add(entry("file1", "pedals.vlz"));
        list.add(entry("file2", "Cockpit.vlz"));
        list.add(entry("file3", "Wheel.vlz"));
        ConfigurationListWidget widget(nullptr);
        widget.showEntries(list, defaultIcon);
        QCOMPARE(texts(widget), QStringList({"Cockpit.vlz", "pedals.vlz", "Wheel.vlz"}));
        QCOMPARE(widget.viewMode(), QListView::IconMode);
        QCOMPARE(widget.itemByKey("FILE3"), widget.item(2));
        QCOMPARE(widget.itemByKey("file9"), nullptr);
        QVERIFY(widget.selectedItems().isEmpty());

        // A new entry rebuilds the items; a changed look only redraws them.
        list.add(entry("file4", "button box.vlz"));
        widget.showEntries(list, defaultIcon);
        QCOMPARE(texts(widget),
                 QStringList({"button box.vlz", "Cockpit.vlz", "pedals.vlz", "Wheel.vlz"}));
        QListWidgetItem* kept = widget.item(1);
        list.find("file2")->colour = listcolour::Current;
        list.find("file2")->ghosted = false;
        list.select("file2");
        widget.showEntries(list, defaultIcon);
        QCOMPARE(widget.item(1), kept);
        QCOMPARE(widget.selectedItems(), QList<QListWidgetItem*>{kept});
        QCOMPARE(kept->foreground().color(), QColor(255, 0, 0));
    }

    void ghostedEntriesShowAGreyedPicture() {
        ConfigurationList list;
        list.add(entry("file7", "Pad.vlz"));
        ConfigurationListWidget widget(nullptr);
        widget.showEntries(list, defaultIcon);
        QListWidgetItem* item = widget.item(0);
        QVERIFY(ConfigurationListWidget::ghosted(*item));
        QCOMPARE(item->foreground().color(), oleColour(0x808080));
        const QImage own = icons::defaultConfiguration().pixmap(32).toImage();
        QVERIFY(!item->icon().pixmap(32).isNull());
        QVERIFY(item->icon().pixmap(32).toImage() != own);

        list.find("file7")->ghosted = false;
        list.find("file7")->colour = listcolour::Open;
        widget.showEntries(list, defaultIcon);
        QVERIFY(!ConfigurationListWidget::ghosted(*item));
        QCOMPARE(item->foreground().color(), QColor(58, 110, 165));
        QCOMPARE(item->icon().pixmap(32).toImage(), own);
    }

    void listReportsPressesWithoutSelecting() {
        ConfigurationList list;
        list.add(entry("file1", "One.vlz"));
        list.add(entry("file2", "Two.vlz"));
        ConfigurationListWidget widget(nullptr);
        widget.resize(300, 200);
        widget.showEntries(list, defaultIcon);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QSignalSpy pressed(&widget, &ConfigurationListWidget::itemPressed);
        QSignalSpy doubled(&widget, &ConfigurationListWidget::itemDoubleClicked);

        const QPoint second = widget.visualItemRect(widget.item(1)).center();
        QTest::mouseClick(widget.viewport(), Qt::RightButton, {}, second);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed[0][0].toString(), QString("file2"));
        QCOMPARE(pressed[0][1].value<Qt::MouseButton>(), Qt::RightButton);
        QVERIFY(widget.selectedItems().isEmpty());  // the session selects, not the widget

        QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, QPoint(290, 190));
        QCOMPARE(pressed.count(), 1);  // beside every item: no press
        QTest::mouseDClick(widget.viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(doubled[0][0].toString(), QString("file2"));
    }

    void tabsFollowTheStripAndReportOnlyTheUsersChoice() {
        TabStrip tabs;
        TabStripWidget widget(nullptr);
        QSignalSpy chosen(&widget, &TabStripWidget::tabChosen);
        const auto iconOf = [](const std::string&) { return icons::defaultConfiguration(); };
        widget.showTabs(tabs, iconOf);
        QCOMPARE(widget.count(), 1);
        QCOMPARE(widget.key(0), QString("BLANK"));
        QCOMPARE(widget.tabText(0), QString());

        tabs.dropPlaceholder();
        tabs.insertFront({"file1", "One.vlz"});
        tabs.insertFront({"file2", "Two.vlz"});
        tabs.select("file1");
        widget.showTabs(tabs, iconOf);
        QCOMPARE(widget.count(), 2);
        QCOMPARE(widget.tabText(0), QString("Two.vlz"));
        QCOMPARE(widget.key(1), QString("file1"));
        QCOMPARE(widget.indexOfKey("FILE1"), 1);
        QCOMPARE(widget.indexOfKey("file3"), -1);
        QCOMPARE(widget.currentIndex(), 1);
        QVERIFY(chosen.isEmpty());

        // The session takes the choice and the strip is drawn again: one choice per click.
        connect(&widget, &TabStripWidget::tabChosen, [&](int index) {
            tabs.selectIndex(index);
            widget.showTabs(tabs, iconOf);
        });
        widget.resize(300, 30);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.tabRect(0).center());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].toInt(), 0);
        QCOMPARE(widget.currentIndex(), 0);
        QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.tabRect(0).center());
        QCOMPARE(chosen.count(), 2);  // the current tab again: still a choice
    }
};

QTEST_MAIN(ShellControlsTest)
#include "shell_controls_test.moc"
