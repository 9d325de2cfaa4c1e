// The Mapping table model and its view: cell texts, row colours (also on the selected row),
// step-header pictures, following the table it is given, and column widths.
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

MappingRow row(const char* button, std::uint32_t colour) {
    MappingRow r;
    r.text = button;
    r.colour = colour;
    return r;
}

}  // namespace

class MappingTableTest : public QObject {
    Q_OBJECT

private slots:
    void modelShowsTheTableItFollows() {
        MappingTable first;
        first.append(row("1", colour::ActiveRow));
        first.row(0).setFlag(col::Repeat, true);
        MappingTable second;
        second.append(row("7", colour::InactiveRow));
        const MappingTable* shown = &first;
        MappingTableModel model([&shown] { return shown; });
        QCOMPARE(model.columnCount(), col::Count);
        QCOMPARE(model.index(0, col::Button).data().toString(), QString("1"));
        QCOMPARE(model.index(0, col::Repeat).data().toString(), QString("On"));
        QCOMPARE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                 icons::rowIcon(1).cacheKey());
        MappingTableModel::StepHeaderImages images;
        images.fill(12);
        images[col::FirstRelease - col::FirstPress] = 13;
        model.setStepHeaderImages(images);
        const auto header = [&model](int c) {
            return model.headerData(c, Qt::Horizontal, Qt::DecorationRole).value<QIcon>().cacheKey();
        };
        QCOMPARE(header(col::FirstRelease), icons::menuPicture(13).cacheKey());
        QCOMPARE(header(col::FirstPress), icons::menuPicture(12).cacheKey());
        QVERIFY(model.headerData(col::ScrollLock, Qt::Horizontal, Qt::DecorationRole).isNull());

        // The same rows are redrawn in place; other rows, or another table, reset the model.
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.follow();
        QCOMPARE(resets.count(), 0);
        first.append(row("2", colour::ActiveRow));
        model.follow();
        QCOMPARE(resets.count(), 1);
        shown = &second;
        model.follow();
        QCOMPARE(resets.count(), 2);
        QCOMPARE(model.index(0, col::Button).data(Qt::BackgroundRole).value<QColor>(),
                 oleColour(colour::InactiveRow));
        shown = nullptr;  // nothing is read from a table that is gone
        model.follow();
        QCOMPARE(model.rowCount(), 0);
    }

    void viewPaintsTheRowColourAndFitsColumnsOncePerChange() {
        MappingTable blank(colour::TemplateBackground);
        MappingTableModel blankModel(blank);
        MappingTableView view(nullptr);
        view.showModel(&blankModel);
        QCOMPARE(view.palette().color(QPalette::Base), QColor(214, 211, 206));

        MappingTable table;
        table.append(row("1", colour::SelectedRow));
        MappingTableModel model(table);
        view.showModel(&model);
        view.resize(600, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.selectRow(0);
        view.setFocus();
        // The row's own colour, not the style's highlight.
        const QRect cell = view.visualRect(model.index(0, col::Rotary));
        QCOMPARE(view.viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y()),
                 oleColour(colour::SelectedRow));

        QHeaderView& header = *view.horizontalHeader();
        QCOMPARE(twipsToPixels(1700, 96), 113);  // no column narrower than 1700 twips
        QCOMPARE(view.minColumnWidth(), twipsToPixels(1700, view.logicalDpiX()));
        for (int c = 0; c < col::Count; ++c) QVERIFY(header.sectionSize(c) >= view.minColumnWidth());
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
