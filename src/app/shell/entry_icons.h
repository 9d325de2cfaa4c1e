#pragma once
// The pictures of Configuration list entries (ImageList1 and ImageList1b), by their icon file:
// the file's own picture or its type's (GetAssociatedIcon), else the configuration picture.
#include <QHash>
#include <QIcon>

#include "session/configuration_list.h"

namespace velloran {

class EntryIcons {
public:
    QIcon of(const ListEntry& entry);
    // The picture of `file` from now on, as Change Icon found it (the file may have changed
    // since it was last drawn).
    void remember(const QString& file, const QIcon& icon) { byFile_.insert(file, icon); }

private:
    QHash<QString, QIcon> byFile_;  // entries share their few icon files
};

}  // namespace velloran
