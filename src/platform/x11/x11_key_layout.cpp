#include "x11/x11_key_layout.h"

#include <xcb/xcb.h>
// The XKB protocol header names a struct field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>

#include <cstdlib>

#include "keys/layout_names.h"
#include "xkb/xkb_layout.h"

namespace velloran {
namespace {

constexpr std::uint16_t kMapParts =
    XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP |
    XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS |
    XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
constexpr std::uint16_t kGroupParts =
    XCB_XKB_STATE_PART_GROUP_STATE | XCB_XKB_STATE_PART_GROUP_BASE |
    XCB_XKB_STATE_PART_GROUP_LATCH | XCB_XKB_STATE_PART_GROUP_LOCK;

struct ContextFree {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};

// The first bytes every XKB event shares; xkbType tells which one it is.
struct XkbEventHead {
    std::uint8_t responseType;
    std::uint8_t xkbType;
};

}  // namespace

std::unique_ptr<X11KeyLayout> X11KeyLayout::open(const std::string& displayName) {
    xcb_connection_t* connection =
        xcb_connect(displayName.empty() ? nullptr : displayName.c_str(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    std::uint8_t firstEvent = 0;
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &firstEvent, nullptr)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    const int deviceId = xkb_x11_get_core_keyboard_device_id(connection);
    if (deviceId < 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    // Keymap changes and group switches only: modifier changes (our own SHIFT) stay quiet.
    xcb_xkb_select_events_details_t details{};
    details.affectNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.newKeyboardDetails = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.affectState = kGroupParts;
    details.stateDetails = kGroupParts;
    xcb_xkb_select_events_aux(connection, static_cast<xcb_xkb_device_spec_t>(deviceId),
                              XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY |
                                  XCB_XKB_EVENT_TYPE_MAP_NOTIFY | XCB_XKB_EVENT_TYPE_STATE_NOTIFY,
                              0, 0, kMapParts, kMapParts, &details);
    std::unique_ptr<X11KeyLayout> layout(new X11KeyLayout(connection, deviceId, firstEvent));
    layout->readKeymap();
    if (layout->keymap_ == nullptr) return nullptr;
    return layout;
}

X11KeyLayout::X11KeyLayout(xcb_connection_t* connection, int deviceId, unsigned firstEvent)
    : connection_(connection), deviceId_(deviceId), firstXkbEvent_(firstEvent) {}

X11KeyLayout::~X11KeyLayout() {
    xkb_keymap_unref(keymap_);
    xcb_disconnect(connection_);
}

void X11KeyLayout::readKeymap() {
    const std::unique_ptr<xkb_context, ContextFree> context(
        xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES));
    if (!context) return;
    xkb_keymap* keymap = xkb_x11_keymap_new_from_device(context.get(), connection_, deviceId_,
                                                        XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) return;  // keep the keymap we had
    xkb_keymap_unref(keymap_);
    keymap_ = keymap;
    readGroup();
}

void X11KeyLayout::readGroup() {
    xkb_state* state = xkb_x11_state_new_from_device(keymap_, connection_, deviceId_);
    if (state != nullptr) {
        group_ = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
        xkb_state_unref(state);
    }
    rebuild();
}

void X11KeyLayout::rebuild() {
    translation_ = translationOf(keymap_, group_);
}

const KeyTranslation& X11KeyLayout::translation() {
    bool keymapChanged = false;
    bool groupChanged = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const unsigned type = event->response_type & 0x7FU;
        if (type == XCB_MAPPING_NOTIFY) keymapChanged = true;
        if (type == firstXkbEvent_) {
            const auto* head = reinterpret_cast<const XkbEventHead*>(event);
            if (head->xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY ||
                head->xkbType == XCB_XKB_MAP_NOTIFY) {
                keymapChanged = true;
            } else if (head->xkbType == XCB_XKB_STATE_NOTIFY) {
                group_ = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event)->group;
                groupChanged = true;
            }
        }
        std::free(event);
    }
    if (keymapChanged) {
        readKeymap();
    } else if (groupChanged) {
        rebuild();
    }
    return translation_;
}

std::string X11KeyLayout::description() const {
    return layoutInForceText(layoutNameOf(keymap_, group_), kXServerOrigin);
}

}  // namespace velloran
