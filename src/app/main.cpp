// Main: the input layer check, the hand-over to a running editor, the splash screen, then the
// main window, which loads itself and lives until it is closed.
#include <QApplication>

#include "base/qt_file_dialogs.h"
#include "base/qt_launcher.h"
#include "base/qt_message_boxes.h"
#include "base/qt_trash.h"
#include "base/session_paths.h"
#include "base/version.h"
#include "fs/posix_file_system.h"
#include "resources/icons.h"
#include "shell/main_window.h"
#include "shell/program_start.h"
#include "shell/single_instance.h"
#include "shell/startup.h"
#include "store/ini_settings_store.h"

int main(int argc, char* argv[]) {
    using namespace velloran;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kProductName));
    QApplication::setOrganizationName(QLatin1String(kCompanyName));
    QApplication::setWindowIcon(icons::application());

    QtMessageBoxes boxes;
    if (!inputLayerCheck(sdlVersion(), boxes)) return 1;

    PosixFileSystem files;
    const std::string commandLine = commandLineText(QApplication::arguments());
    SingleInstance instance(SingleInstance::defaultName());
    // The running editor gets the file as a full path: its current folder is not ours.
    if (instance.handOver(QString::fromStdString(commandLinePath(commandLine, files)))) return 0;

    showSplashUntilClosed();

    QtFileDialogs dialogs;
    IniSettingsStore store(IniSettingsStore::defaultFilePath());
    QtLauncher launcher;
    QtTrash trash;
    MainWindow window(
        DocumentServices{boxes, dialogs, store, files, files, launcher, trash, qtSessionPaths()});
    boxes.setOwner(&window);
    dialogs.setOwner(&window);
    window.Form_Load(commandLine);
    window.show();

    QObject::connect(&instance, &SingleInstance::secondStart, &window,
                     [&window](const QString& line) { window.secondStart(line.toStdString()); });
    instance.listen();
    return QApplication::exec();
}
