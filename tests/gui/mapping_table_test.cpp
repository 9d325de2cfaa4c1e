// The Mapping table model and its view: cell texts, row colours (also on the selected row),
// step-header pictures and column widths.
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "base/ole_colour.h"
#include "gui_test_main.h"
#include "resources/icons.h"
#include "table/mapping_table_model.h"
#include "table/mapping_table_view.h"

using namespace velloran;

namespace {

MappingRow row(const std::string& button, std::uint32_t colour) {
    MappingRow r;
    r.text = button;
    r.colour = colour;
    r.cell(col::DeviceId) = {"Pad", Tag::text("pad")};
    r.setFlag(col::Repeat, true);
    r.setFlag(col::Rotary, false);
    r.cell(col::Multiplier) = {"2X", Tag::number(2)};
    r.cell(col::Description) = {" ", Tag::boolean(true)};
    for (int c = col::NumLock; c <= col::ScrollLock; ++c) r.setFlag(c, false);
    for (int c = col::FirstPress; c <= col::LastStep; ++c) r.cell(c) = {" ", Tag::text(" ")};
    return r;
}

}  // namespace

class MappingTableTest : public QObject {
    Q_OBJECT

private slots:
    void showsCellsRowColoursAndStepHeaders() {
        MappingTable table;
        table.append(row("1", colour::ActiveRow));
        table.append(row("2", colour::InactiveRow));
        table.row(1).cell(col::LastStep) = {"CTRL + A", Tag::text("30")};
        MappingTableModel model(table);

        QCOMPARE(model.columnCount(), col::LastStep + 1);
        QCOMPARE(model.index(0, col::Repeat).data().toString(), QString("On"));
        QCOMPARE(model.index(1, col::LastStep).data().toString(), QString("CTRL + A"));
        QCOMPARE(model.index(1, 30).data(Qt::BackgroundRole).value<QColor>(),
                 oleColour(colour::InactiveRow));
        QCOMPARE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                 icons::rowIcon(1).cacheKey());

        const auto image = [&](int c) {
            return model.headerData(c, Qt::Horizontal, Qt::DecorationRole)
                .value<QIcon>()
                .cacheKey();
        };
        MappingTableModel::StepHeaderImages images;
        images.fill(12);
        images[col::FirstRelease - col::FirstPress] = 13;
        model.setStepHeaderImages(images);
        QCOMPARE(image(col::FirstRelease), icons::menuPicture(13).cacheKey());
        QCOMPARE(image(col::FirstPress), icons::menuPicture(12).cacheKey());
        QVERIFY(model.headerData(col::ScrollLock, Qt::Horizontal, Qt::DecorationRole).isNull());
    }

    void modelFollowsTheTableItIsGiven() {
        MappingTable first;
        first.append(row("1", colour::ActiveRow));
        MappingTable second;
        second.append(row("7", colour::ActiveRow));
        second.append(row("8", colour::ActiveRow));
        const MappingTable* shown = &first;
        MappingTableModel model([&shown] { return shown; });
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

        // The same rows: redrawn in place, no reset.
        first.row(0).cell(col::Description).text = "Gear";
        model.follow();
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(model.index(0, col::Description).data().toString(), QString("Gear"));

        // Another table, or other rows of the same one: a reset.
        shown = &second;
        model.follow();
        QCOMPARE(resets.count(), 1);
        second.append(row("9", colour::ActiveRow));
        model.follow();
        QCOMPARE(resets.count(), 2);
        QCOMPARE(model.rowCount(), 3);

        // No table: nothing to show, and nothing is read from a table that is gone.
        shown = nullptr;
        model.follow();
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.index(0, 0).data().isValid());
    }

    void selectedRowShowsItsRowColour() {
        MappingTable table;
        table.append(row("1", colour::SelectedRow));
        table.append(row("2", colour::RecordingSelectedRow));
        MappingTableModel model(table);
        MappingTableView view(nullptr);
        view.resize(600, 200);
        view.showModel(&model);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (int r = 0; r < 2; ++r) {
            view.selectRow(r);
            view.setFocus();
            const QRect cell = view.visualRect(model.index(r, col::Rotary));
            const QImage image = view.viewport()->grab().toImage();
            const QColor seen = image.pixelColor(cell.right() - 3, cell.center().y());
            QCOMPARE(seen, oleColour(table.row(r).colour));
        }
    }

    void viewTakesTheTablesLookAndFitsItsColumnsOncePerChange() {
        MappingTable blank(colour::TemplateBackground);
        blank.enabled = false;
        MappingTableModel blankModel(blank);
        MappingTableView view(nullptr);
        view.showModel(&blankModel);
        QVERIFY(!view.isEnabled());
        QCOMPARE(view.palette().color(QPalette::Base), QColor(214, 211, 206));

        MappingTable table;
        table.append(row("1", colour::ActiveRow));
        MappingTableModel model(table);
        view.showModel(&model);
        QVERIFY(view.isEnabled());
        QHeaderView& header = *view.horizontalHeader();
        QCOMPARE(twipsToPixels(1700, 96), 113);
        QCOMPARE(view.minColumnWidth(), twipsToPixels(1700, view.logicalDpiX()));
        for (int c = 0; c < col::Count; ++c)
            QVERIFY(header.sectionSize(c) >= view.minColumnWidth());
        const int description = header.sectionSize(col::Description);

        // A longer text widens its column once the model hears of the change, not before.
        table.row(0).cell(col::Description).text = std::string(60, 'W');
        view.resize(900, 300);
        QCOMPARE(header.sectionSize(col::Description), description);
        model.rowsChanged(0, 0);
        QTRY_VERIFY(header.sectionSize(col::Description) >
                    view.fontMetrics().horizontalAdvance(QString(60, 'W')));
    }
};

VELLORAN_GUI_TEST(MappingTableTest);
#include "mapping_table_test.moc"
