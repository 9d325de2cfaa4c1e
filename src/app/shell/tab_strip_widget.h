#pragma once
// TabStrip1 drawn from the session's tab strip: one tab per open configuration, or the
// placeholder tab with the key "BLANK" and no caption.
#include <QTabBar>
#include <functional>

#include "session/tab_strip.h"

namespace velloran {

class TabStripWidget : public QTabBar {
    Q_OBJECT
public:
    using IconOfKey = std::function<QIcon(const std::string& key)>;

    explicit TabStripWidget(QWidget* parent);

    // Redraws the tabs from `tabs`, without reporting the change of the current tab as a
    // choice of the user. Tabs are only rebuilt when the keys or their order changed.
    void showTabs(const TabStrip& tabs, const IconOfKey& iconOf);

    QString key(int index) const;
    int indexOfKey(const QString& key) const;  // -1 when no tab has the key (any case)

signals:
    // The user clicked a tab, or moved to one with the keyboard or the wheel.
    void tabChosen(int index);
};

}  // namespace velloran
