#pragma once
// TabStrip1: one tab per open configuration, keyed by configuration key. While nothing is open
// it holds the placeholder tab with the key "BLANK" and no caption.
#include <QTabBar>

namespace velloran {

class TabStrip : public QTabBar {
    Q_OBJECT
public:
    static inline const QString kPlaceholderKey = QStringLiteral("BLANK");

    // Starts with the placeholder tab.
    explicit TabStrip(QWidget* parent);

    QString key(int index) const;
    int indexOfKey(const QString& key) const;  // -1 when no tab has the key (any case)

    // Inserts a configuration's tab leftmost and returns its index (0).
    int insertFirst(const QString& key, const QString& caption, const QIcon& icon);
    void addPlaceholder();
    // Removes the tab with the key; false when there is none.
    bool removeKey(const QString& key);
};

}  // namespace velloran
