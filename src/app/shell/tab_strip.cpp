#include "shell/tab_strip.h"

namespace velloran {

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent) {
    setObjectName(QStringLiteral("TabStrip1"));
    setExpanding(false);
    setDrawBase(true);
    setIconSize(QSize(16, 16));
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    addPlaceholder();
}

QString TabStrip::key(int index) const {
    return tabData(index).toString();
}

int TabStrip::indexOfKey(const QString& key) const {
    for (int i = 0; i < count(); ++i) {
        if (this->key(i).compare(key, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int TabStrip::insertFirst(const QString& key, const QString& caption, const QIcon& icon) {
    const int index = insertTab(0, icon, caption);
    setTabData(index, key);
    return index;
}

void TabStrip::addPlaceholder() {
    const int index = addTab(QString());
    setTabData(index, kPlaceholderKey);
}

bool TabStrip::removeKey(const QString& key) {
    const int index = indexOfKey(key);
    if (index < 0) return false;
    removeTab(index);
    return true;
}

}  // namespace velloran
