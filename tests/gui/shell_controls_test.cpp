// The Configuration list drawn from the session's list: order, keys, looks, the selection,
// redrawing without rebuilding, and presses reported without selecting.
#include <QSignalSpy>
#include <QTest>

#include "base/ole_colour.h"
#include "gui_test_main.h"
#include "resources/icons.h"
#include "shell/configuration_list_widget.h"

using namespace velloran;

class ShellControlsTest : public QObject {
    Q_OBJECT

private slots:
    void listDrawsTheEntriesAndReportsPressesWithoutSelecting() {
        ConfigurationList list;
        list.add({"file1", "pedals.vlz", state::Listed, true, listcolour::Closed, ""});
        list.add({"file2", "Cockpit.vlz", state::Listed, true, listcolour::Closed, ""});
        ConfigurationListWidget widget(nullptr);
        const auto show = [&] {
            widget.showEntries(list,
                               [](const ListEntry&) { return icons::defaultConfiguration(); });
        };
        show();
        QListWidgetItem* cockpit = widget.item(0);
        QCOMPARE(cockpit->text(), QString("Cockpit.vlz"));
        QCOMPARE(widget.itemByKey("FILE1"), widget.item(1));
        QVERIFY(ConfigurationListWidget::ghosted(*cockpit));
        const QImage own = icons::defaultConfiguration().pixmap(32).toImage();
        QVERIFY(cockpit->icon().pixmap(32).toImage() != own);  // greyed

        // A changed look only redraws the items.
        list.find("file2")->colour = listcolour::Current;
        list.find("file2")->ghosted = false;
        list.select("file2");
        show();
        QCOMPARE(widget.item(0), cockpit);
        QCOMPARE(widget.selectedItems(), QList<QListWidgetItem*>{cockpit});
        QCOMPARE(cockpit->foreground().color(), oleColour(listcolour::Current));
        QCOMPARE(cockpit->icon().pixmap(32).toImage(), own);

        // Which item and button reach the window is driven in the editor's workflow; here: the
        // widget selects nothing itself, and a click beside every item is no press.
        list.clearSelection();
        show();
        widget.resize(300, 200);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QSignalSpy pressed(&widget, &ConfigurationListWidget::itemPressed);
        QTest::mouseClick(widget.viewport(), Qt::RightButton, {},
                          widget.visualItemRect(widget.item(1)).center());
        QCOMPARE(pressed.count(), 1);
        QVERIFY(widget.selectedItems().isEmpty());
        QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, QPoint(290, 190));
        QCOMPARE(pressed.count(), 1);
    }
};

VELLORAN_GUI_TEST(ShellControlsTest);
#include "shell_controls_test.moc"
