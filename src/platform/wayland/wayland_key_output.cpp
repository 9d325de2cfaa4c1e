#include "wayland/wayland_key_output.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstring>

#include "keys/key_names.h"
#include "keys/scan_codes.h"
#include "virtual-keyboard-unstable-v1-client.h"

namespace velloran {
namespace {

constexpr std::uint32_t kEvdevKeycodeOffset = 8;  // xkb keycodes are evdev codes plus 8

wl_display* connect(const std::string& name) {
    return wl_display_connect(name.empty() ? nullptr : name.c_str());
}

// The globals this output needs: the first seat and the virtual keyboard manager.
struct Globals {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* manager = nullptr;
    bool hasManager = false;
    bool bind = false;  // false: only note what the compositor offers
};

void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    auto& globals = *static_cast<Globals*>(data);
    if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        globals.hasManager = true;
        if (globals.bind && globals.manager == nullptr) {
            globals.manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
                wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
        }
    } else if (globals.bind && globals.seat == nullptr &&
               std::strcmp(interface, wl_seat_interface.name) == 0) {
        globals.seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    }
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

// Lists (and with globals.bind, binds) the globals in one round trip.
bool readGlobals(wl_display* display, Globals& globals) {
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    const bool ok = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    return ok;
}

// The keymap as the compositor maps it: a sealed memory file holding the text and its NUL.
int keymapFile(const char* text, std::size_t size) {
    const int fd = memfd_create("velloran-keymap", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) return -1;
    if (::write(fd, text, size) != static_cast<ssize_t>(size)) {
        ::close(fd);
        return -1;
    }
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

std::uint32_t nowMs() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

WaylandStatus WaylandKeyOutput::probe(const std::string& displayName) {
    wl_display* display = connect(displayName);
    if (display == nullptr) return WaylandStatus::NoCompositor;
    Globals globals;
    const bool ok = readGlobals(display, globals);
    wl_display_disconnect(display);
    if (!ok) return WaylandStatus::NoCompositor;
    return globals.hasManager ? WaylandStatus::Usable : WaylandStatus::NoProtocol;
}

std::unique_ptr<WaylandKeyOutput> WaylandKeyOutput::open(const std::string& displayName) {
    std::unique_ptr<WaylandKeyOutput> out(new WaylandKeyOutput);
    out->display_ = connect(displayName);
    if (out->display_ == nullptr) return nullptr;
    Globals globals;
    globals.bind = true;
    const bool listed = readGlobals(out->display_, globals);
    out->seat_ = globals.seat;
    out->manager_ = globals.manager;
    if (!listed || out->seat_ == nullptr || out->manager_ == nullptr) return nullptr;

    // The keymap of the layout keys follow; where its names do not compile, the layout goes by
    // US positions (and says so), and so does the keymap.
    out->layout_ = desktopKeyLayout();
    out->keymap_ = compileKeymap(desktopLayoutNames().names);
    if (!out->keymap_) out->keymap_ = compileKeymap(LayoutNames{"us", "", "", ""});
    if (!out->keymap_) return nullptr;
    out->state_ = xkb_state_new(out->keymap_.get());
    char* text = xkb_keymap_get_as_string(out->keymap_.get(), XKB_KEYMAP_FORMAT_TEXT_V1);
    if (out->state_ == nullptr || text == nullptr) return nullptr;
    const std::size_t size = std::strlen(text) + 1;
    const int fd = keymapFile(text, size);
    std::free(text);
    if (fd < 0) return nullptr;

    out->keyboard_ =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(out->manager_, out->seat_);
    zwp_virtual_keyboard_v1_keymap(out->keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<std::uint32_t>(size));
    ::close(fd);
    // A compositor that does not trust this program answers with a protocol error.
    if (wl_display_roundtrip(out->display_) < 0) return nullptr;
    return out;
}

WaylandKeyOutput::~WaylandKeyOutput() {
    if (keyboard_ != nullptr && wl_display_get_error(display_) == 0) {
        for (std::uint32_t code = 0; code < held_.size(); ++code) {
            if (held_[code]) sendKey(code, false);
        }
        zwp_virtual_keyboard_v1_destroy(keyboard_);
        wl_display_roundtrip(display_);
    }
    if (manager_ != nullptr) zwp_virtual_keyboard_manager_v1_destroy(manager_);
    if (seat_ != nullptr) wl_seat_destroy(seat_);
    if (display_ != nullptr) wl_display_disconnect(display_);
    xkb_state_unref(state_);
}

void WaylandKeyOutput::sendKey(std::uint32_t code, bool down) {
    zwp_virtual_keyboard_v1_key(
        keyboard_, nowMs(), code,
        down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    held_[code] = down;
    xkb_state_update_key(state_, code + kEvdevKeycodeOffset, down ? XKB_KEY_DOWN : XKB_KEY_UP);
    if (down && code == scanCodeOf(vk::ScrollLock)) scrollLock_ = !scrollLock_;

    const std::uint32_t mods[4] = {xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                                   xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
                                   xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
                                   xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE)};
    if (std::memcmp(mods, sentMods_, sizeof mods) != 0) {
        zwp_virtual_keyboard_v1_modifiers(keyboard_, mods[0], mods[1], mods[2], mods[3]);
        std::memcpy(sentMods_, mods, sizeof mods);
    }
}

bool WaylandKeyOutput::send(std::span<const KeyRecord> batch) {
    const KeyTranslation& translation = layout_->translation();
    for (const KeyRecord& record : batch) {
        const std::uint32_t code = routing_.route(record.scanCode, record.keyUp, translation);
        if (code == 0 || code >= held_.size()) continue;
        sendKey(code, !record.keyUp);
    }
    return wl_display_roundtrip(display_) >= 0;
}

bool WaylandKeyOutput::lockActive(std::uint16_t virtualKey) const {
    switch (virtualKey) {
        case vk::NumLock:
            return xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_NUM, XKB_STATE_MODS_LOCKED) >
                   0;
        case vk::CapsLock:
            return xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_CAPS, XKB_STATE_MODS_LOCKED) >
                   0;
        case vk::ScrollLock:
            return scrollLock_;
        default:
            return false;
    }
}

int WaylandKeyOutput::keyState(std::uint16_t virtualKey) {
    int state = lockActive(virtualKey) ? 1 : 0;
    // Keys that are not letters keep their US positions.
    const std::uint16_t code = linuxKeyCodeOf(scanCodeOf(virtualKey));
    if (code != 0 && held_[code]) state |= 0x8000;
    return state;
}

}  // namespace velloran
