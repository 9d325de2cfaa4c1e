#pragma once
// ListView1: the Configuration list, large icons sorted by text. Each item carries its
// configuration key and its document state code; its look (colour, ghosted icon) is set from
// outside, by the rules of the document commands.
#include <QListWidget>
#include <cstdint>

namespace velloran {

class ConfigurationList : public QListWidget {
    Q_OBJECT
public:
    explicit ConfigurationList(QWidget* parent);

    // Adds an item in its sorted place; the state code starts at 1 (listed, not open).
    QListWidgetItem* addConfiguration(const QString& key, const QString& text, const QIcon& icon);
    QListWidgetItem* itemByKey(const QString& key) const;  // keys compare without case

    static QString key(const QListWidgetItem& item);
    static int stateCode(const QListWidgetItem& item);
    static void setStateCode(QListWidgetItem& item, int code);

    // Text colour (an OLE colour) and whether the icon is drawn ghosted.
    static void setLook(QListWidgetItem& item, std::uint32_t oleTextColour, bool ghosted);
    static bool ghosted(const QListWidgetItem& item);
    // Replaces the item's picture, keeping its ghosted look.
    static void setPicture(QListWidgetItem& item, const QIcon& icon);
};

}  // namespace velloran
