#include "wayland/shortcuts_inhibitor.h"

#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "keyboard-shortcuts-inhibit-unstable-v1-client.h"

namespace velloran {
namespace {

// How long the compositor may take to make the inhibitor active: sway answers at once for the
// focused window; a desktop that asks the user first answers later, and the guard then reports
// a refusal for this recording.
constexpr auto kActivationWait = std::chrono::milliseconds(250);
constexpr auto kActivationPoll = std::chrono::milliseconds(10);

void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    auto& manager = *static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1**>(data);
    if (manager == nullptr &&
        std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0) {
        manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    }
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

void onActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    *static_cast<bool*>(data) = true;
}

void onInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    *static_cast<bool*>(data) = false;
}

constexpr zwp_keyboard_shortcuts_inhibitor_v1_listener kInhibitorListener{onActive, onInactive};

}  // namespace

ShortcutsInhibitor::ShortcutsInhibitor(wl_display* display)
    : display_(display), queue_(wl_display_create_queue(display)) {
    wrapper_ = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper_), queue_);
}

std::unique_ptr<ShortcutsInhibitor> ShortcutsInhibitor::inhibit(wl_display* display,
                                                                wl_surface* surface, wl_seat* seat,
                                                                int& error) {
    error = EBUSY;
    if (display == nullptr || surface == nullptr || seat == nullptr) return nullptr;
    std::unique_ptr<ShortcutsInhibitor> self(new ShortcutsInhibitor(display));
    self->registry_ = wl_display_get_registry(self->wrapper_);
    wl_registry_add_listener(self->registry_, &kRegistryListener, &self->manager_);
    if (wl_display_roundtrip_queue(display, self->queue_) < 0) return nullptr;
    if (self->manager_ == nullptr) {
        error = ENOTSUP;
        return nullptr;
    }

    self->inhibitor_ =
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(self->manager_, surface, seat);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(self->inhibitor_, &kInhibitorListener,
                                                     &self->active_);
    const auto deadline = std::chrono::steady_clock::now() + kActivationWait;
    while (wl_display_roundtrip_queue(display, self->queue_) >= 0 && !self->active_ &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kActivationPoll);
    }
    if (!self->active_) return nullptr;
    error = 0;
    return self;
}

ShortcutsInhibitor::~ShortcutsInhibitor() {
    if (inhibitor_ != nullptr) zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
    if (manager_ != nullptr) zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
    if (registry_ != nullptr) wl_registry_destroy(registry_);
    wl_proxy_wrapper_destroy(wrapper_);
    wl_display_flush(display_);
    wl_event_queue_destroy(queue_);
}

}  // namespace velloran
