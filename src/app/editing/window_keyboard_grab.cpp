#include "editing/window_keyboard_grab.h"

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cerrno>
#include <memory>

#include "wayland/shortcuts_inhibitor.h"

namespace velloran {
namespace {

int grabX11(QWidget& window, bool on) {
    // The window's own grab, not QWidget::grabKeyboard(): keys that pass the guard still go to
    // the focused control (the Description editor), and the result says whether the grab held.
    // The X server refuses a grab while another client holds the keyboard.
    QWindow* handle = window.windowHandle();
    return handle && handle->setKeyboardGrabEnabled(on) ? 0 : EBUSY;
}

// Qt's own connection, seat and the window's surface: an inhibitor is made for a surface and a
// seat of the connection that owns them.
int inhibitWayland(QWidget& window, std::unique_ptr<ShortcutsInhibitor>& held) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    QWindow* handle = window.windowHandle();
    if (native == nullptr || handle == nullptr) return EBUSY;
    int error = 0;
    held = ShortcutsInhibitor::inhibit(
        static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")),
        static_cast<wl_surface*>(native->nativeResourceForWindow("surface", handle)),
        static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat")), error);
    return error;
}

}  // namespace

KeyboardGuard::Grab windowKeyboardGrab() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return grabX11;
    auto held = std::make_shared<std::unique_ptr<ShortcutsInhibitor>>();
    return [held](QWidget& window, bool on) {
        held->reset();
        return on ? inhibitWayland(window, *held) : 0;
    };
}

}  // namespace velloran
