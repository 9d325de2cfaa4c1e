// The editor's entry: the splash screen until it closes, then the main window.
#include <QApplication>

#include "base/qt_file_dialogs.h"
#include "base/qt_message_boxes.h"
#include "base/version.h"
#include "resources/icons.h"
#include "shell/main_window.h"
#include "shell/splash_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(velloran::kProductName));
    QApplication::setOrganizationName(QLatin1String(velloran::kCompanyName));
    QApplication::setWindowIcon(velloran::icons::application());

    {
        velloran::SplashWindow splash;
        splash.show();
        while (splash.isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    velloran::QtMessageBoxes boxes;
    velloran::QtFileDialogs files;
    velloran::MainWindow window(boxes, files);
    boxes.setOwner(&window);
    files.setOwner(&window);
    window.show();
    return QApplication::exec();
}
