#include "shell/program_start.h"

#include <SDL_version.h>
#include <QApplication>

#include "shell/splash_window.h"

namespace velloran {

std::optional<LibraryVersion> sdlVersion() {
    SDL_version linked{};
    SDL_GetVersion(&linked);
    if (linked.major == 0) return std::nullopt;
    return LibraryVersion{linked.major, linked.minor, linked.patch};
}

std::string commandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' ')).toStdString();
}

void showSplashUntilClosed() {
    SplashWindow splash;
    splash.show();
    while (splash.isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace velloran
