// The Mapping table model and its view: headers, cell texts, row colours (also on the selected
// row), step-header pictures, column widths and a table of 4,096 rows.
#include <QElapsedTimer>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "base/ole_colour.h"
#include "table/mapping_table_model.h"
#include "table/mapping_table_view.h"
#include "resources/icons.h"

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
    void oleColoursAreBlueGreenRed() {
        QCOMPARE(oleColour(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(oleColour(0xA56E3A), QColor(58, 110, 165));
        QCOMPARE(oleColour(0x808080), QColor(128, 128, 128));
        QCOMPARE(oleColour(0xF5CABF), QColor(0xBF, 0xCA, 0xF5));
        QCOMPARE(oleColour(0xFF000000u | 0xCED3D6), QColor(214, 211, 206));
    }

    void showsColumnsCellsAndRowColours() {
        MappingTable table;
        table.append(row("1", colour::ActiveRow));
        table.append(row("2", colour::InactiveRow));
        table.row(1).cell(col::FirstRelease + 15) = {"CTRL + A", Tag::text("30")};
        MappingTableModel model(table);

        QCOMPARE(model.columnCount(), 41);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Button No."));
        QCOMPARE(model.headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Scroll Lock"));
        QCOMPARE(model.headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("On Press 1"));
        QCOMPARE(model.headerData(40, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("On Release 16"));

        QCOMPARE(model.index(0, 0).data().toString(), QString("1"));
        QCOMPARE(model.index(0, col::Repeat).data().toString(), QString("On"));
        QCOMPARE(model.index(0, col::Multiplier).data().toString(), QString("2X"));
        QCOMPARE(model.index(1, 40).data().toString(), QString("CTRL + A"));
        QCOMPARE(model.index(0, 5).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xF7, 0xF7, 0xF9));
        QCOMPARE(model.index(1, 30).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
                 icons::rowIcon(1).cacheKey());
        QVERIFY(model.index(0, 1).data(Qt::DecorationRole).isNull());
    }

    void stepHeadersMarkTheCurrentColumn() {
        MappingTable table;
        MappingTableModel model(table);
        const auto image = [&](int c) {
            return model.headerData(c, Qt::Horizontal, Qt::DecorationRole)
                .value<QIcon>()
                .cacheKey();
        };
        QVERIFY(model.headerData(8, Qt::Horizontal, Qt::DecorationRole).isNull());
        for (int c = col::FirstPress; c <= col::LastStep; ++c) {
            QCOMPARE(image(c), icons::menuPicture(12).cacheKey());
        }
        MappingTableModel::StepHeaderImages images;
        images.fill(12);
        images[col::FirstRelease - col::FirstPress] = 13;
        model.setStepHeaderImages(images);
        QCOMPARE(image(col::FirstRelease), icons::menuPicture(13).cacheKey());
        QCOMPARE(image(col::FirstPress), icons::menuPicture(12).cacheKey());
        QCOMPARE(model.stepHeaderImage(col::Repeat), 12);  // not a step column
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
        QCOMPARE(model.rowCount(), 2);
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

    void viewTakesTheTablesLook() {
        MappingTable blank(colour::TemplateBackground);
        blank.enabled = false;
        MappingTable open;
        MappingTableModel blankModel(blank);
        MappingTableModel openModel(open);
        MappingTableView view(nullptr);
        view.showModel(&blankModel);
        QVERIFY(!view.isEnabled());
        QCOMPARE(view.palette().color(QPalette::Base), QColor(214, 211, 206));
        view.showModel(&openModel);
        QVERIFY(view.isEnabled());
        QCOMPARE(view.palette().color(QPalette::Base), QColor(0xF7, 0xF7, 0xF9));
    }

    void columnsFitTheirContentsOncePerChange() {
        MappingTable table;
        table.append(row("1", colour::ActiveRow));
        MappingTableModel model(table);
        MappingTableView view(nullptr);
        view.showModel(&model);
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

    void fourThousandRowsStayQuick() {
        MappingTable table;
        for (int i = 1; i <= 4096; ++i) {
            MappingRow r =
                row(std::to_string(i % 512 + 1), i % 3 ? colour::ActiveRow : colour::InactiveRow);
            for (int c = col::FirstPress; c <= col::LastStep; c += 3) {
                r.cell(c) = {"SHIFT + F" + std::to_string(c % 12 + 1), Tag::text("59")};
            }
            table.append(std::move(r));
        }
        MappingTableModel model(table);
        MappingTableView view(nullptr);
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QElapsedTimer timer;
        timer.start();
        view.showModel(&model);
        view.viewport()->repaint();
        const qint64 shown = timer.elapsed();
        timer.restart();
        for (int i = 0; i < 20; ++i) {
            view.resize(1000 + i * 10, 600);
            view.viewport()->repaint();
        }
        const qint64 resized = timer.elapsed();
        qInfo("4096 rows: shown in %lld ms, 20 resizes with repaint in %lld ms", shown, resized);
        QVERIFY(shown < 2000);
        QVERIFY(resized < 2000);
    }
};

QTEST_MAIN(MappingTableTest)
#include "mapping_table_test.moc"
