// The Mapping table model and its view: cell texts, row colours, step-header pictures,
// following the table it is given, the background and column widths.
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "base/ole_colour.h"
#include "gui_test_main.h"
#include "resources/icons.h"
#include "table/mapping_table_model.h"
#include "table/mapping_table_view.h"

using namespace velloran;

class MappingTableTest : public QObject {
    Q_OBJECT

private slots:
    void modelShowsTheTableItFollows() {
        MappingTable first;
        first.append(MappingRow{.text = "1", .colour = colour::ActiveRow});
        first.row(0).setFlag(col::Repeat, true);
        MappingTable second;
        second.append(MappingRow{.text = "7"});
        const MappingTable* shown = &first;
        MappingTableModel model([&shown] { return shown; });
        QCOMPARE(model.index(0, col::Button).data().toString(), QString("1"));
        QCOMPARE(model.index(0, col::Repeat).data().toString(), QString("On"));
        QCOMPARE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                 icons::rowIcon(1).cacheKey());
        MappingTableModel::StepHeaderImages images;
        images.fill(12);
        images[col::FirstRelease - col::FirstPress] = 13;
        model.setStepHeaderImages(images);
        const auto header = [&model](int c) {
            return model.headerData(c, Qt::Horizontal, Qt::DecorationRole)
                .value<QIcon>()
                .cacheKey();
        };
        QCOMPARE(header(col::FirstRelease), icons::menuPicture(13).cacheKey());
        QCOMPARE(header(col::FirstPress), icons::menuPicture(12).cacheKey());

        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.follow();  // the same rows: redrawn in place
        first.append(MappingRow{.text = "2"});
        model.follow();  // other rows
        shown = &second;
        model.follow();  // another table
        QCOMPARE(resets.count(), 2);
        QCOMPARE(model.index(0, col::Button).data(Qt::BackgroundRole).value<QColor>(),
                 oleColour(colour::InactiveRow));
        shown = nullptr;  // nothing is read from a table that is gone
        model.follow();
        QCOMPARE(model.rowCount(), 0);
    }

    void viewTakesTheTablesBackgroundAndFitsItsColumns() {
        MappingTable blank(colour::TemplateBackground);
        MappingTableModel blankModel(blank);
        MappingTableView view(nullptr);
        view.showModel(&blankModel);
        QCOMPARE(view.palette().color(QPalette::Base), QColor(214, 211, 206));

        MappingTable table;
        table.append(MappingRow{.text = "1"});
        MappingTableModel model(table);
        view.showModel(&model);
        QHeaderView& header = *view.horizontalHeader();
        // No column narrower than 1700 twips.
        QCOMPARE(view.minColumnWidth(), twipsToPixels(1700, view.logicalDpiX()));
        for (int c = 0; c < col::Count; ++c)
            QVERIFY(header.sectionSize(c) >= view.minColumnWidth());
        // A longer text widens its column once the model hears of the change.
        table.row(0).cell(col::Description).text = std::string(60, 'W');
        model.rowsChanged(0, 0);
        QTRY_VERIFY(header.sectionSize(col::Description) >
                    view.fontMetrics().horizontalAdvance(QString(60, 'W')));
    }
};

VELLORAN_GUI_TEST(MappingTableTest);
#include "mapping_table_test.moc"
