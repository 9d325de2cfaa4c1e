#include "devices/virtual_device_start.h"

#include <QGuiApplication>
#include <QScreen>
#include <iostream>

#include "base/version.h"
#include "devices/virtual_device_panel.h"
#include "live_test/test_mode.h"
#include "shell/main_window.h"

namespace velloran {
namespace {

// Below the main window when the screen has room for it, else over its lower left corner.
QPoint panelPlace(const QWidget& window, const QWidget& panel) {
    const QRect frame = window.frameGeometry();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QPoint below(frame.left(), frame.bottom() + 8);
    if (!screen || below.y() + panel.height() <= screen->availableGeometry().bottom()) {
        return below;
    }
    return {frame.left() + 24, frame.bottom() - panel.height() - 48};
}

}  // namespace

Result<std::vector<VirtualDeviceSetup>> virtualDeviceSetups(const EditorOptions& options) {
    if (!options.error.empty()) return RuntimeError{err::TypeMismatch, options.error};
    return parseVirtualDevices(options.virtualDevices);
}

int refuseStart(MessageBoxes& boxes, const RuntimeError& error) {
    std::cerr << error.description << std::endl;
    boxes.message(Icon::Critical, kProductName, error.description);
    return 2;
}

void showVirtualDevicesDuringTests(std::vector<VirtualJoystick>& joysticks, MainWindow& window,
                                   TestMode& test) {
    if (joysticks.empty()) return;
    auto* panel = new VirtualDevicePanel(joysticks, &window);
    QObject::connect(&test, &TestMode::started, panel, [panel, &window] {
        panel->adjustSize();
        panel->move(panelPlace(window, *panel));
        panel->show();
    });
    QObject::connect(&test, &TestMode::stopped, panel, &QWidget::hide);
}

}  // namespace velloran
