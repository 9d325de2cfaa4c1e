#include "key_window.h"

#include <X11/Xlib.h>
#include <poll.h>

namespace velloran {
namespace {

constexpr int kQuietMs = 500;

bool waitForEvent(Display* display) {
    if (XPending(display) > 0) return true;
    pollfd readable{ConnectionNumber(display), POLLIN, 0};
    return ::poll(&readable, 1, kQuietMs) > 0 && XPending(display) > 0;
}

}  // namespace

KeyWindow::KeyWindow(const std::string& display) {
    display_ = XOpenDisplay(display.c_str());
    if (display_ == nullptr) return;
    const Window root = DefaultRootWindow(display_);
    const Window window = XCreateSimpleWindow(display_, root, 0, 0, 100, 100, 0, 0, 0);
    XSelectInput(display_, window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    XMapWindow(display_, window);
    for (XEvent event; waitForEvent(display_);) {
        XNextEvent(display_, &event);
        if (event.type == MapNotify) {
            window_ = window;
            break;
        }
    }
    if (window_ == 0) return;
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    XSync(display_, False);
}

unsigned KeyWindow::keycodeOf(unsigned long keysym) const {
    return XKeysymToKeycode(display_, keysym);
}

KeyWindow::~KeyWindow() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

std::vector<ReceivedKey> KeyWindow::keys(std::size_t count) {
    std::vector<ReceivedKey> received;
    while (received.size() < count && waitForEvent(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == KeyPress || event.type == KeyRelease) {
            received.push_back({event.type == KeyPress, event.xkey.keycode, event.xkey.state});
        }
    }
    return received;
}

}  // namespace velloran
