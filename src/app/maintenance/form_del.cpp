#include "maintenance/form_del.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ole_colour.h"

namespace velloran {
namespace {

constexpr int kColumns = col::Description + 1;

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

void paint(QTreeWidgetItem* item, std::uint32_t ole, Qt::CheckState check) {
    for (int c = 0; c < kColumns; ++c) item->setBackground(c, oleColour(ole));
    item->setCheckState(0, check);
}

}  // namespace

FormDel::FormDel(QWidget* owner, const MappingTable& table, const std::vector<int>& group)
    : QDialog(owner) {
    setObjectName(QStringLiteral("FormDel"));
    setWindowTitle(QStringLiteral("Select Item"));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setColumnCount(kColumns);
    QStringList headers;
    for (int c = 0; c < kColumns; ++c) headers << QString::fromStdString(headerText(c));
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    // The kept row is shown by its colour and check mark, not by the style's selection.
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    QPalette p = list_->palette();
    p.setColor(QPalette::Base, oleColour(colour::ActiveRow));
    list_->setPalette(p);
    for (const int r : group) {
        const MappingRow& row = table.row(r);
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(row.text));
        for (int c = 1; c < kColumns; ++c) {
            item->setText(c, QString::fromStdString(row.cell(c).text));
        }
        item->setFlags(Qt::ItemIsEnabled);
        paint(item, colour::ActiveRow, Qt::Unchecked);
    }
    for (int c = 0; c < kColumns; ++c) list_->resizeColumnToContents(c);
    list_->viewport()->installEventFilter(this);

    auto* frame = new QGroupBox(QStringLiteral("Duplicate Items"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* label = new QLabel(QStringLiteral("Select item you wish to keep."), frame);
    label->setObjectName(QStringLiteral("Label1"));
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(label);
    inFrame->addWidget(list_);

    ok_ = button(this, "ComOK", "&OK");
    ok_->setEnabled(false);
    QPushButton* skip = button(this, "ComSkip", "&Skip");
    QPushButton* skipAll = button(this, "ComSkipAll", "Skip &All");
    connect(ok_, &QPushButton::clicked, this, [this] { finish({DuplicateChoice::Ok, chosen_}); });
    connect(skip, &QPushButton::clicked, this, [this] { finish({DuplicateChoice::Skip}); });
    connect(skipAll, &QPushButton::clicked, this, [this] { finish({DuplicateChoice::SkipAll}); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(skip);
    buttons->addWidget(skipAll);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    resize(640, 260);
}

bool FormDel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint at = press->position().toPoint();
        QTreeWidgetItem* item = list_->itemAt(at);
        // Only a press in the first column picks the row.
        if (press->button() == Qt::LeftButton && item != nullptr && list_->columnAt(at.x()) == 0) {
            choose(item);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormDel::choose(QTreeWidgetItem* item) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        paint(list_->topLevelItem(i), colour::ActiveRow, Qt::Unchecked);
    }
    paint(item, colour::SelectedRow, Qt::Checked);
    chosen_ = list_->indexOfTopLevelItem(item);
    ok_->setEnabled(true);
}

void FormDel::finish(DuplicateAnswer answer) {
    answer_ = answer;
    accept();
}

}  // namespace velloran
