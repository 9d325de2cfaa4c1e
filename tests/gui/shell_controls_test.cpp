// The Configuration list and the tab strip: keys, sorting, looks and the placeholder tab.
#include <QTest>

#include "base/ole_colour.h"
#include "resources/icons.h"
#include "shell/configuration_list.h"
#include "shell/tab_strip.h"

using namespace velloran;

class ShellControlsTest : public QObject {
    Q_OBJECT

private slots:
    void listSortsByTextWithoutCase() {
        ConfigurationList list(nullptr);
        const QIcon icon = icons::defaultConfiguration();
        list.addConfiguration("file1", "pedals.vlz", icon);
        list.addConfiguration("file2", "Cockpit.vlz", icon);
        list.addConfiguration("file3", "Wheel.vlz", icon);
        list.addConfiguration("file4", "button box.vlz", icon);
        QStringList texts;
        for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
        QCOMPARE(texts, QStringList({"button box.vlz", "Cockpit.vlz", "pedals.vlz", "Wheel.vlz"}));
        QCOMPARE(list.viewMode(), QListView::IconMode);
    }

    void listItemsCarryKeyStateAndLook() {
        ConfigurationList list(nullptr);
        QListWidgetItem* item =
            list.addConfiguration("file7", "Pad.vlz", icons::defaultConfiguration());
        QCOMPARE(list.itemByKey("FILE7"), item);
        QCOMPARE(list.itemByKey("file8"), nullptr);
        QCOMPARE(ConfigurationList::key(*item), QString("file7"));
        QCOMPARE(ConfigurationList::stateCode(*item), 1);
        ConfigurationList::setStateCode(*item, 16);
        QCOMPARE(ConfigurationList::stateCode(*item), 16);

        const QImage own = item->icon().pixmap(32).toImage();
        ConfigurationList::setLook(*item, 0x808080, true);
        QVERIFY(ConfigurationList::ghosted(*item));
        QCOMPARE(item->foreground().color(), oleColour(0x808080));
        QVERIFY(item->icon().pixmap(32).toImage() != own);

        // A new picture while ghosted stays ghosted; un-ghosting shows the picture itself.
        ConfigurationList::setPicture(*item, icons::application());
        QVERIFY(item->icon().pixmap(32).toImage() != icons::application().pixmap(32).toImage());
        ConfigurationList::setLook(*item, 0x0000FF, false);
        QCOMPARE(item->foreground().color(), QColor(255, 0, 0));
        QCOMPARE(item->icon().pixmap(32).toImage(), icons::application().pixmap(32).toImage());
    }

    void tabsGoLeftmostAndThePlaceholderHasNoCaption() {
        TabStrip tabs(nullptr);
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.key(0), QString("BLANK"));
        QCOMPARE(tabs.tabText(0), QString());

        QVERIFY(tabs.removeKey("blank"));
        tabs.insertFirst("file1", "One.vlz", QIcon());
        tabs.insertFirst("file2", "Two.vlz", QIcon());
        QCOMPARE(tabs.tabText(0), QString("Two.vlz"));
        QCOMPARE(tabs.key(1), QString("file1"));
        QCOMPARE(tabs.indexOfKey("FILE1"), 1);
        QCOMPARE(tabs.indexOfKey("file3"), -1);
        QVERIFY(!tabs.removeKey("file3"));
        QVERIFY(tabs.removeKey("file2"));
        QCOMPARE(tabs.key(0), QString("file1"));
    }
};

QTEST_MAIN(ShellControlsTest)
#include "shell_controls_test.moc"
