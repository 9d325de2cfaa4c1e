#include "shell/entry_icons.h"

#include "resources/icons.h"
#include "settings/icon_lookup.h"

namespace velloran {

QIcon EntryIcons::of(const ListEntry& entry) {
    const QString file = QString::fromStdString(entry.iconPath);
    if (const auto it = byFile_.constFind(file); it != byFile_.constEnd()) return *it;
    QIcon icon = GetAssociatedIcon(file);
    if (icon.isNull()) icon = icons::defaultConfiguration();
    byFile_.insert(file, icon);
    return icon;
}

}  // namespace velloran
