#include "shell/configuration_list_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "base/ole_colour.h"

namespace velloran {
namespace {

enum Role : int {
    KeyRole = Qt::UserRole,
    PictureRole,  // cache key of the entry's own picture; the shown one may be its ghosted copy
    GhostedRole,
};

QIcon ghostOf(const QIcon& icon) {
    QIcon ghost;
    QList<QSize> sizes = icon.availableSizes();
    // A scalable picture (an SVG file) lists no sizes: take those the list and the tabs draw.
    if (sizes.isEmpty()) sizes = {{16, 16}, {20, 20}, {32, 32}, {48, 48}};
    for (const QSize& size : sizes) {
        ghost.addPixmap(icon.pixmap(size, QIcon::Disabled));
    }
    return ghost;
}

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

ConfigurationListWidget::ConfigurationListWidget(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ListView1"));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(32, 32));
    setGridSize(QSize(120, 72));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWordWrap(true);
    setUniformItemSizes(true);
    // The selection is the session's: the user moves it only through the reported presses.
    setSelectionMode(QAbstractItemView::NoSelection);
    // The right button's menu follows the press, after the selection moved there.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ConfigurationListWidget::showEntries(const ConfigurationList& list, const IconOf& iconOf) {
    const std::vector<ListEntry>& entries = list.entries();
    bool sameKeys = count() == static_cast<int>(entries.size());
    for (int i = 0; sameKeys && i < count(); ++i) {
        sameKeys = key(*item(i)) == qt(entries[static_cast<std::size_t>(i)].key);
    }
    if (!sameKeys) {
        clear();
        for (const ListEntry& entry : entries) {
            auto* added = new QListWidgetItem(this);
            added->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            added->setData(KeyRole, qt(entry.key));
        }
    }
    QListWidgetItem* selected = nullptr;
    for (int i = 0; i < count(); ++i) {
        const ListEntry& entry = entries[static_cast<std::size_t>(i)];
        showEntry(*item(i), entry, iconOf);
        if (entry.key == list.selectedKey()) selected = item(i);
    }
    if (selected) {
        setCurrentItem(selected, QItemSelectionModel::ClearAndSelect);
    } else {
        clearSelection();
        setCurrentItem(nullptr);
    }
}

void ConfigurationListWidget::showEntry(QListWidgetItem& item, const ListEntry& entry,
                                        const IconOf& iconOf) {
    if (item.text() != qt(entry.text)) item.setText(qt(entry.text));
    const QColor colour = oleColour(entry.colour);
    if (item.foreground().color() != colour) item.setForeground(colour);
    const QIcon picture = iconOf(entry);
    if (item.data(PictureRole).toLongLong() == picture.cacheKey() &&
        ghosted(item) == entry.ghosted) {
        return;
    }
    item.setData(PictureRole, picture.cacheKey());
    item.setData(GhostedRole, entry.ghosted);
    item.setIcon(entry.ghosted ? ghostOf(picture) : picture);
}

QString ConfigurationListWidget::key(const QListWidgetItem& item) {
    return item.data(KeyRole).toString();
}

bool ConfigurationListWidget::ghosted(const QListWidgetItem& item) {
    return item.data(GhostedRole).toBool();
}

void ConfigurationListWidget::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (const QListWidgetItem* hit = itemAt(event->position().toPoint())) {
        emit itemPressed(key(*hit), event->button(), event->globalPosition().toPoint());
    }
}

void ConfigurationListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const QListWidgetItem* hit = itemAt(event->position().toPoint())) {
        emit itemDoubleClicked(key(*hit));
    }
}

void ConfigurationListWidget::keyPressEvent(QKeyEvent* event) {
    const QListWidgetItem* before = currentItem();
    QListWidget::keyPressEvent(event);
    const QListWidgetItem* after = currentItem();
    if (after && after != before) emit itemPressed(key(*after), Qt::NoButton, QPoint());
}

}  // namespace velloran
