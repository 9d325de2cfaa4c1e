#include "x11/xtest_key_output.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <array>

#include "keys/key_names.h"
#include "keys/layout_names.h"
#include "keys/scan_codes.h"
#include "x11/x11_key_layout.h"

namespace velloran {
namespace {

constexpr int kEvdevKeycodeOffset = 8;

Display* openDisplay(const std::string& name) {
    return XOpenDisplay(name.empty() ? nullptr : name.c_str());
}

bool hasXTest(Display* display) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) != 0;
}

// Index of a named keyboard indicator, -1 when the keyboard has none of that name.
int namedIndicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, False);
    int index = -1;
    if (!XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr)) return -1;
    return index;
}

}  // namespace

int xKeycodeOf(std::uint16_t scanCode) {
    const std::uint16_t code = linuxKeyCodeOf(scanCode);
    return code != 0 ? code + kEvdevKeycodeOffset : 0;
}

XTestStatus XTestKeyOutput::probe(const std::string& displayName) {
    Display* display = openDisplay(displayName);
    if (display == nullptr) return XTestStatus::NoDisplay;
    const bool xtest = hasXTest(display);
    XCloseDisplay(display);
    return xtest ? XTestStatus::Usable : XTestStatus::NoExtension;
}

Result<std::unique_ptr<XTestKeyOutput>> XTestKeyOutput::open(const std::string& displayName) {
    Display* display = openDisplay(displayName);
    if (display == nullptr) return runtimeError(err::DeviceUnavailable);
    if (!hasXTest(display)) {
        XCloseDisplay(display);
        return runtimeError(err::DeviceUnavailable);
    }
    std::unique_ptr<KeyLayout> layout = X11KeyLayout::open(displayName);
    if (!layout) {
        // A server without XKB: keys go by US position, and the user is told.
        layout = std::make_unique<FixedKeyLayout>(
            KeyTranslation(), layoutInForceText("US positions", "the X server has no XKB"));
    }
    return std::unique_ptr<XTestKeyOutput>(new XTestKeyOutput(display, std::move(layout)));
}

XTestKeyOutput::XTestKeyOutput(Display* display, std::unique_ptr<KeyLayout> layout)
    : display_(display), layout_(std::move(layout)) {
    XDisplayKeycodes(display_, &minKeycode_, &maxKeycode_);
    int major = XkbMajorVersion, minor = XkbMinorVersion;
    if (XkbQueryExtension(display_, nullptr, nullptr, nullptr, &major, &minor)) {
        numLockIndicator_ = namedIndicator(display_, "Num Lock");
        capsLockIndicator_ = namedIndicator(display_, "Caps Lock");
        scrollLockIndicator_ = namedIndicator(display_, "Scroll Lock");
    }
}

XTestKeyOutput::~XTestKeyOutput() {
    for (std::size_t keycode = 0; keycode < held_.size(); ++keycode) {
        if (held_[keycode]) {
            XTestFakeKeyEvent(display_, static_cast<unsigned>(keycode), False, CurrentTime);
        }
    }
    XCloseDisplay(display_);
}

bool XTestKeyOutput::send(std::span<const KeyRecord> batch) {
    bool ok = true;
    const KeyTranslation& translation = layout_->translation();
    for (const KeyRecord& record : batch) {
        const std::uint16_t position = routing_.route(record.scanCode, record.keyUp, translation);
        const int keycode = position != 0 ? position + kEvdevKeycodeOffset : 0;
        // A keycode outside the server's range would raise an X error, which ends the program.
        if (keycode < minKeycode_ || keycode > maxKeycode_) continue;
        const Bool press = record.keyUp ? False : True;
        ok = XTestFakeKeyEvent(display_, static_cast<unsigned>(keycode), press, CurrentTime) && ok;
        held_[static_cast<std::size_t>(keycode)] = !record.keyUp;
    }
    XSync(display_, False);
    return ok;
}

int XTestKeyOutput::indicatorOf(std::uint16_t virtualKey) const {
    switch (virtualKey) {
        case vk::NumLock:
            return numLockIndicator_;
        case vk::CapsLock:
            return capsLockIndicator_;
        case vk::ScrollLock:
            return scrollLockIndicator_;
        default:
            return -1;
    }
}

int XTestKeyOutput::keyState(std::uint16_t virtualKey) {
    int state = 0;
    const int indicator = indicatorOf(virtualKey);
    unsigned indicators = 0;
    if (indicator >= 0 && XkbGetIndicatorState(display_, XkbUseCoreKbd, &indicators) == Success &&
        (indicators >> indicator) & 1U) {
        state |= 1;
    }
    const int keycode = xKeycodeOf(scanCodeOf(virtualKey));
    if (keycode > 0) {
        std::array<char, 32> keys{};
        XQueryKeymap(display_, keys.data());
        if ((static_cast<unsigned char>(keys[static_cast<std::size_t>(keycode / 8)]) >>
             (keycode % 8)) &
            1U) {
            state |= 0x8000;
        }
    }
    return state;
}

}  // namespace velloran
