#include "x11/key_output_chooser.h"

#include "wayland/wayland_key_output.h"
#include "x11/x11_key_layout.h"
#include "x11/xtest_key_output.h"
#include "xkb/xkb_layout.h"

namespace velloran {
namespace {

template <class Output>
OpenedKeyOutput opened(std::unique_ptr<Output> output) {
    if (!output) return {};
    std::string layout = output->layout().description();
    return {std::move(output), {}, std::move(layout)};
}

OpenedKeyOutput openKind(OutputKind kind, const KeyOutputPlaces& places) {
    switch (kind) {
        case OutputKind::Uinput:
            if (auto output = UinputKeyOutput::create(
                    places.uinputPath, newKeyboardLayout(places.display), places.notice)) {
                return opened(std::move(output.value()));
            }
            break;
        case OutputKind::Wayland:
            return opened(WaylandKeyOutput::open(places.waylandDisplay));
        case OutputKind::XTest:
            if (auto output = XTestKeyOutput::open(places.display)) {
                return opened(std::move(output.value()));
            }
            break;
        case OutputKind::None:
            break;
    }
    return {};
}

}  // namespace

std::unique_ptr<KeyLayout> newKeyboardLayout(const std::string& display) {
    if (std::unique_ptr<KeyLayout> server = X11KeyLayout::open(display)) return server;
    return desktopKeyLayout();
}

OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places) {
    return openKeyOutput(OutputKind::None, places);
}

OpenedKeyOutput openKeyOutput(OutputKind only, const KeyOutputPlaces& places) {
    const auto wanted = [only](OutputKind kind) {
        return only == OutputKind::None || only == kind;
    };
    // Only the outputs that may be chosen are probed: each probe opens a connection.
    OutputAvailability availability;
    if (wanted(OutputKind::Uinput)) availability.uinput = UinputKeyOutput::probe(places.uinputPath);
    if (wanted(OutputKind::Wayland)) {
        availability.wayland = WaylandKeyOutput::probe(places.waylandDisplay);
    }
    if (wanted(OutputKind::XTest)) availability.xtest = XTestKeyOutput::probe(places.display);
    return openChosenOutput(
        availability, [&places](OutputKind kind) { return openKind(kind, places); }, only);
}

}  // namespace velloran
