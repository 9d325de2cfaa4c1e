#pragma once
// ListView1: the Configuration list drawn from the session's list, large icons in the list's
// order. The widget keeps no state of its own: it reports presses and double clicks on items
// and is redrawn afterwards.
#include <QListWidget>
#include <functional>

#include "session/configuration_list.h"

namespace velloran {

class ConfigurationListWidget : public QListWidget {
    Q_OBJECT
public:
    using IconOf = std::function<QIcon(const ListEntry&)>;

    explicit ConfigurationListWidget(QWidget* parent);

    // Redraws the items from `list`: order, texts, colours, ghosted pictures and the selection.
    // Items are only rebuilt when the keys or their order changed.
    void showEntries(const ConfigurationList& list, const IconOf& iconOf);

    static QString key(const QListWidgetItem& item);
    static bool ghosted(const QListWidgetItem& item);

signals:
    // A mouse press on an item (a press beside every item is not reported); NoButton when the
    // keyboard moved to the item.
    void itemPressed(const QString& key, Qt::MouseButton button, const QPoint& globalPos);
    void itemDoubleClicked(const QString& key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showEntry(QListWidgetItem& item, const ListEntry& entry, const IconOf& iconOf);
};

}  // namespace velloran
