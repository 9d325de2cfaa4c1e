#include "settings/icon_lookup.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>

#include "resources/icons.h"
#include "session/configuration_list_loading.h"

namespace velloran {

QIcon GetAssociatedIcon(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    // A configuration file shows its type's icon wherever the type is installed or not.
    if (isConfigurationFile(info.fileName().toStdString())) return icons::defaultConfiguration();
    if (QImageReader::supportedImageFormats().contains(info.suffix().toLower().toLatin1())) {
        return QImageReader(path).canRead() ? QIcon(path) : QIcon();
    }
    // The theme's icon of the file's type, or of its generic type; never the style's generic
    // file picture, which would make every file look like it had an icon.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    return icon;
}

}  // namespace velloran
