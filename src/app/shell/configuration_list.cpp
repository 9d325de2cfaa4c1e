#include "shell/configuration_list.h"

#include "base/ole_colour.h"
#include "config/document_state.h"

namespace velloran {
namespace {

enum Role : int {
    KeyRole = Qt::UserRole,
    StateRole,
    PictureRole,  // the item's own picture; the shown one may be its ghosted copy
    GhostedRole,
};

// Items sort by text without regard to case, as the file names they show do on disk listings.
class ConfigurationItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

QIcon ghostOf(const QIcon& icon) {
    QIcon ghost;
    for (const QSize& size : icon.availableSizes()) {
        ghost.addPixmap(icon.pixmap(size, QIcon::Disabled));
    }
    return ghost;
}

void showPicture(QListWidgetItem& item) {
    const QIcon picture = item.data(PictureRole).value<QIcon>();
    item.setIcon(ConfigurationList::ghosted(item) ? ghostOf(picture) : picture);
}

}  // namespace

ConfigurationList::ConfigurationList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ListView1"));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(32, 32));
    setGridSize(QSize(120, 72));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWordWrap(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QListWidgetItem* ConfigurationList::addConfiguration(const QString& key, const QString& text,
                                                     const QIcon& icon) {
    auto* item = new ConfigurationItem(text);
    item->setData(KeyRole, key);
    item->setData(StateRole, state::Listed);
    item->setData(PictureRole, icon);
    item->setIcon(icon);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addItem(item);
    return item;
}

QListWidgetItem* ConfigurationList::itemByKey(const QString& key) const {
    for (int i = 0; i < count(); ++i) {
        if (ConfigurationList::key(*item(i)).compare(key, Qt::CaseInsensitive) == 0) return item(i);
    }
    return nullptr;
}

QString ConfigurationList::key(const QListWidgetItem& item) {
    return item.data(KeyRole).toString();
}

int ConfigurationList::stateCode(const QListWidgetItem& item) {
    return item.data(StateRole).toInt();
}

void ConfigurationList::setStateCode(QListWidgetItem& item, int code) {
    item.setData(StateRole, code);
}

void ConfigurationList::setLook(QListWidgetItem& item, std::uint32_t oleTextColour, bool ghosted) {
    item.setForeground(oleColour(oleTextColour));
    if (ghosted != ConfigurationList::ghosted(item)) {
        item.setData(GhostedRole, ghosted);
        showPicture(item);
    }
}

bool ConfigurationList::ghosted(const QListWidgetItem& item) {
    return item.data(GhostedRole).toBool();
}

void ConfigurationList::setPicture(QListWidgetItem& item, const QIcon& icon) {
    item.setData(PictureRole, icon);
    showPicture(item);
}

}  // namespace velloran
