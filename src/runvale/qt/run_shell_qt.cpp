#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>
#include <thread>

#include "run_shell.h"
#include "store/ini_settings_store.h"

// Last: Xlib's macros (None, Bool, ...) would break the Qt headers.
#include <X11/Xlib.h>

namespace velloran::runvale {
namespace {

// A desktop session is one whose X display answers (Wayland sessions offer one through
// XWayland). Asking Qt instead would abort the program when the display is set but gone.
bool desktopSession() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace

void runShown(const std::string& configurationName, RunControl& control,
              const std::function<void()>& loop) {
    if (!desktopSession()) {
        loop();
        return;
    }
    int argc = 1;
    char name[] = "runvale";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
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
