#include "shell/tab_strip_widget.h"

#include <QSignalBlocker>

namespace velloran {

TabStripWidget::TabStripWidget(QWidget* parent) : QTabBar(parent) {
    setObjectName(QStringLiteral("TabStrip1"));
    setExpanding(false);
    setDrawBase(true);
    setIconSize(QSize(16, 16));
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    // A click on the current tab is a choice too (it shows the tab's file again).
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) emit tabChosen(index);
    });
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) emit tabChosen(index);
    });
    addTab(QString());
    setTabData(0, QString::fromUtf8(kBlankKey.data(), static_cast<qsizetype>(kBlankKey.size())));
}

void TabStripWidget::showTabs(const TabStrip& tabs, const IconOfKey& iconOf) {
    const QSignalBlocker quiet(this);
    const std::vector<Tab>& shown = tabs.tabs();
    bool sameKeys = count() == static_cast<int>(shown.size());
    for (int i = 0; sameKeys && i < count(); ++i) {
        sameKeys = key(i) == QString::fromStdString(shown[static_cast<std::size_t>(i)].key);
    }
    if (!sameKeys) {
        while (count() > 0) removeTab(count() - 1);
        for (const Tab& tab : shown) setTabData(addTab(QString()), QString::fromStdString(tab.key));
    }
    for (int i = 0; i < count(); ++i) {
        const Tab& tab = shown[static_cast<std::size_t>(i)];
        const QString caption = QString::fromStdString(tab.caption);
        if (tabText(i) != caption) setTabText(i, caption);
        const QIcon icon = tab.key == kBlankKey ? QIcon() : iconOf(tab.key);
        if (tabIcon(i).cacheKey() != icon.cacheKey()) setTabIcon(i, icon);
    }
    if (tabs.selectedIndex() >= 0 && tabs.selectedIndex() < count()) {
        setCurrentIndex(tabs.selectedIndex());
    }
}

QString TabStripWidget::key(int index) const {
    return tabData(index).toString();
}

int TabStripWidget::indexOfKey(const QString& key) const {
    for (int i = 0; i < count(); ++i) {
        if (this->key(i).compare(key, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

}  // namespace velloran
