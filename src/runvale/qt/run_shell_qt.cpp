#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>
#include <string>
#include <thread>

#include "run_shell.h"
#include "store/ini_settings_store.h"
#include "wayland/wayland_key_output.h"

// Last: Xlib's macros (None, Bool, ...) would break the Qt headers.
#include <X11/Xlib.h>

namespace velloran::runvale {
namespace {

// A desktop session is one whose X display or Wayland compositor answers; Qt is told which, as
// asking Qt instead would abort the program when a display is set but gone.
const char* desktopPlatform() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        WaylandKeyOutput::probe() != WaylandStatus::NoCompositor) {
        return "wayland";
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        if (Display* display = XOpenDisplay(nullptr)) {
            XCloseDisplay(display);
            return "xcb";
        }
    }
    return nullptr;
}

}  // namespace

void runShown(const std::string& configurationName, RunControl& control,
              const std::function<void()>& loop) {
    const char* platform = desktopPlatform();
    if (platform == nullptr) {
        loop();
        return;
    }
    int argc = 3;
    char name[] = "runvale";
    char option[] = "-platform";
    std::string platformName = platform;
    char* argv[] = {name, option, platformName.data(), nullptr};
    QApplication app(argc, argv);
    // Wayland desktops show tray icons only where a StatusNotifierItem host runs (KDE, or a
    // panel that hosts them); without one the run is headless.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        loop();
        return;
    }
    QApplication::setQuitOnLastWindowClosed(false);

    const QString configuration = QString::fromStdString(configurationName);
    QMenu menu;
    menu.addAction(configuration)->setEnabled(false);
    menu.addSeparator();
    QObject::connect(menu.addAction(QObject::tr("Quit")), &QAction::triggered,
                     [&control] { control.requestStop(); });
    QSystemTrayIcon icon(app.style()->standardIcon(QStyle::SP_MediaPlay));
    icon.setToolTip(QStringLiteral("runvale: %1").arg(configuration));
    icon.setContextMenu(&menu);
    icon.show();

    std::thread worker([&] {
        loop();
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QApplication::exec();
    worker.join();
}

std::unique_ptr<SettingsStore> openSettingsStore(std::string& where) {
    where = IniSettingsStore::defaultFilePath();
    return std::make_unique<IniSettingsStore>(where);
}

}  // namespace velloran::runvale
