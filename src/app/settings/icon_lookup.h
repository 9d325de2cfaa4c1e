#pragma once
// GetAssociatedIcon: the picture a file gives a Configuration list entry. A configuration file
// shows the configuration picture (its type's icon); an image file Qt can read is its own
// picture; any other file shows the icon its MIME type has in the icon theme. A null icon means
// the file has no picture.
#include <QIcon>
#include <QString>

namespace velloran {

QIcon GetAssociatedIcon(const QString& path);

}  // namespace velloran
