// The Configuration list drawn from the session's list: order, keys, looks, the selection,
// redrawing without rebuilding, and presses reported without selecting.
#include <QSignalSpy>
#include <QTest>

#include "base/ole_colour.h"
#include "gui_test_main.h"
#include "resources/icons.h"
#include "shell/configuration_list_widget.h"

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
    void listShowsTheEntriesInTheirOrderAndRedrawsWithoutRebuilding() {
        ConfigurationList list;
        list.add(entry("file1", "pedals.vlz"));
        list.add(entry("file2", "Cockpit.vlz"));
        ConfigurationListWidget widget(nullptr);
        widget.showEntries(list, defaultIcon);
        QCOMPARE(texts(widget), QStringList({"Cockpit.vlz", "pedals.vlz"}));
        QCOMPARE(widget.itemByKey("FILE1"), widget.item(1));
        QVERIFY(ConfigurationListWidget::ghosted(*widget.item(0)));
        const QImage own = icons::defaultConfiguration().pixmap(32).toImage();
        QVERIFY(widget.item(0)->icon().pixmap(32).toImage() != own);  // greyed

        // A changed look only redraws the items.
        QListWidgetItem* kept = widget.item(0);
        list.find("file2")->colour = listcolour::Current;
        list.find("file2")->ghosted = false;
        list.select("file2");
        widget.showEntries(list, defaultIcon);
        QCOMPARE(widget.item(0), kept);
        QCOMPARE(widget.selectedItems(), QList<QListWidgetItem*>{kept});
        QCOMPARE(kept->foreground().color(), oleColour(listcolour::Current));
        QCOMPARE(kept->icon().pixmap(32).toImage(), own);
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

        // Which item and button reach the window is driven in the editor's workflow; here: the
        // widget selects nothing itself, and a click beside every item is no press.
        QTest::mouseClick(widget.viewport(), Qt::RightButton, {},
                          widget.visualItemRect(widget.item(1)).center());
        QCOMPARE(pressed.count(), 1);
        QVERIFY(widget.selectedItems().isEmpty());  // the session selects, not the widget
        QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, QPoint(290, 190));
        QCOMPARE(pressed.count(), 1);
    }
};

VELLORAN_GUI_TEST(ShellControlsTest);
#include "shell_controls_test.moc"
