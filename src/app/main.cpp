// Main: the input layer check, the hand-over to a running editor, the splash screen, then the
// main window, which loads itself and lives until it is closed.
#include <QApplication>
#include <cstdio>

#include "base/qt_file_dialogs.h"
#include "base/qt_launcher.h"
#include "base/qt_message_boxes.h"
#include "base/qt_trash.h"
#include "base/session_paths.h"
#include "base/steady_clock.h"
#include "base/version.h"
#include "devices/editor_devices.h"
#include "devices/virtual_device_start.h"
#include "fs/posix_file_system.h"
#include "live_test/live_input.h"
#include "process/nice_process_priority.h"
#include "resources/icons.h"
#include "shell/main_window.h"
#include "shell/program_start.h"
#include "shell/single_instance.h"
#include "shell/startup.h"
#include "store/ini_settings_store.h"

int main(int argc, char* argv[]) {
    using namespace velloran;
    if (wantsHelp(argc, argv)) {
        std::fputs(editorUsage().c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kProductName));
    QApplication::setOrganizationName(QLatin1String(kCompanyName));
    QApplication::setWindowIcon(icons::application());

    QtMessageBoxes boxes;
    if (!inputLayerCheck(sdlVersion(), boxes)) return 1;

    const EditorOptions options = parseEditorOptions(QApplication::arguments());
    auto virtualDevices = virtualDeviceSetups(options);
    if (!virtualDevices) return refuseStart(boxes, virtualDevices.error());

    PosixFileSystem files;
    const std::string commandLine = commandLineText(options.arguments);
    SingleInstance instance(SingleInstance::defaultName());
    // The running editor gets the file as a full path: its current folder is not ours. From
    // here on this start answers later ones, also during its splash and start-up messages.
    const QString fullPath = QString::fromStdString(commandLinePath(commandLine, files));
    if (instance.handOverOrListen(fullPath)) return 0;

    // Attached before the devices are detected, so that the detection finds them.
    auto pads = attachVirtualJoysticks(virtualDevices.value());
    if (!pads) return refuseStart(boxes, pads.error());
    EditorDevices devices = EditorDevices::openSystem();

    showSplashUntilClosed();

    QtFileDialogs dialogs;
    IniSettingsStore store(IniSettingsStore::defaultFilePath());
    QtLauncher launcher;
    QtTrash trash;
    MainWindow window(
        DocumentServices{boxes, dialogs, store, files, files, launcher, trash, qtSessionPaths()});
    boxes.setOwner(&window);
    dialogs.setOwner(&window);
    window.setDeviceDetection([&devices] { return devices.detect(); });
    NiceProcessPriority priority;
    SteadyClock clock;
    const auto notice = [&window](const std::string& text) {
        window.session().feedback = text;  // the feedback line beside the command buttons
        window.showSession(MainWindow::TableChange::None);
    };
    LiveInput live(window, LiveInputParts{.devices = devices,
                                          .openOutput = systemKeyOutput(notice),
                                          .priority = priority,
                                          .clock = clock,
                                          .testOutputMirror = options.testOutputLog});
    showVirtualDevicesDuringTests(pads.value(), window, live.testMode());
    window.Form_Load(commandLine);
    window.show();

    instance.deliverTo([&window](const QString& line) { window.secondStart(line.toStdString()); });
    return QApplication::exec();
}
