// The main window's start-up: Form_Load and the device detection it shares with Refresh Device
// List.
#include <QApplication>

#include "base/version.h"
#include "table/refresh_row_states.h"
#include "shell/main_window.h"
#include "shell/startup.h"

namespace velloran {
namespace {

constexpr const char* kDevicesAvailable = "Input Devices: Available";
constexpr const char* kDevicesNotAvailable = "Input Devices: Not Available";

std::string devicesPanelText(const EditorSession& session) {
    return session.devices.empty() ? kDevicesNotAvailable : kDevicesAvailable;
}

}  // namespace

void MainWindow::Form_Load(std::string_view commandLine) {
    setWindowTitle(QString::fromStdString(mainWindowTitle()));
    association_->reg_vlz(startmeup(session_, services_).associate);
    detectDevices();
    if (session_.devices.empty()) {
        std::string text = "No input devices found!";
        text += kCrLf;
        text += kCrLf;
        text += "Some features will not be available.";
        services_.boxes.message(Icon::Exclamation, "No Input Devices", text);
    }
    session_.statusPanel1 = devicesPanelText(session_);
    Set_Button_States();
    openFromCommandLine(session_, services_, commandLine);
    Set_Button_States();
    showSession();
}

void MainWindow::detectDevices() {
    session_.devices = detection_ ? detection_() : DeviceInventory{};
}

void MainWindow::MNjoy_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    controls_.listView2->clear();
    session_.statusPanel1 = "DirectInput Device: Querying Properties";
    controls_.statusBar1->setPanelText(1, QString::fromStdString(session_.statusPanel1));
    // Detection holds the event loop: what it is doing shows before it starts.
    controls_.listView2->repaint();
    controls_.statusBar1->repaint();
    detectDevices();
    session_.statusPanel1 = devicesPanelText(session_);
    QApplication::restoreOverrideCursor();
    Set_Button_States();
    if (MappingTable* table = session_.currentTable()) refresh_row_states(*table, session_.devices);
}

}  // namespace velloran
