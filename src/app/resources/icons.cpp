#include "resources/icons.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>

// The resource file lives in a static library: its registration must be referenced from code
// that is linked in, or the linker drops it.
static void registerResources() {
    Q_INIT_RESOURCE(velloran);
}

namespace velloran::icons {
namespace {

// Renders each size the widgets ask for, so that no size is scaled from another.
QIcon svg(const QString& name) {
    static QHash<QString, QIcon> cache;
    if (const auto it = cache.constFind(name); it != cache.constEnd()) return *it;
    static const bool registered = (registerResources(), true);
    (void)registered;

    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QIcon icon;
    if (renderer.isValid()) {
        for (const int size : {16, 20, 24, 32, 48, 64}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            renderer.render(&painter);
            painter.end();
            icon.addPixmap(pixmap);
        }
    }
    cache.insert(name, icon);
    return icon;
}

}  // namespace

QIcon menuPicture(int index) {
    static constexpr std::array<const char*, 14> kNames = {
        "open",        "new",   "load",    "save", "saveas",    "clone",          "delete",
        "change_icon", "close", "refresh", "run",  "step_idle", "step_recording", "step_current"};
    if (index < 1 || index > static_cast<int>(kNames.size())) return {};
    return svg(QString::fromLatin1(kNames[static_cast<std::size_t>(index - 1)]));
}

QIcon commandPicture(const QString& key) {
    if (key == QLatin1String("rec_on") || key == QLatin1String("rec_off") ||
        key == QLatin1String("test_on") || key == QLatin1String("test_off")) {
        return svg(key);
    }
    return {};
}

QIcon rowIcon(int image) {
    return svg(image == 2 ? QStringLiteral("row_held") : QStringLiteral("row_idle"));
}

QIcon defaultConfiguration() {
    // Drawn by the SVG icon engine, as the type's icon file the package installs (the same
    // file) is, so that an entry showing that file and one showing a configuration file look
    // alike at every size.
    static const bool registered = (registerResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/icons/configuration.svg"));
}
QIcon clearRow() {
    return svg(QStringLiteral("clear_row"));
}
QIcon clearItem() {
    return svg(QStringLiteral("clear_item"));
}
QIcon removeItems() {
    return svg(QStringLiteral("remove_items"));
}
QIcon addDevices() {
    return svg(QStringLiteral("add_devices"));
}
QIcon replaceDevice() {
    return svg(QStringLiteral("replace_device"));
}
QIcon help() {
    return svg(QStringLiteral("help"));
}
QIcon application() {
    return svg(QStringLiteral("app"));
}

}  // namespace velloran::icons
