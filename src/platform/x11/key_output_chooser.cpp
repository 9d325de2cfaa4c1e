#include "x11/key_output_chooser.h"

#include "wayland/wayland_key_output.h"
#include "x11/xtest_key_output.h"

namespace velloran {

OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places, OutputKind only) {
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

    const auto open = [&places](OutputKind kind) -> std::unique_ptr<KeyOutput> {
        switch (kind) {
            case OutputKind::Uinput:
                if (auto opened = UinputKeyOutput::create(places.uinputPath)) {
                    return std::move(opened.value());
                }
                return nullptr;
            case OutputKind::Wayland:
                return WaylandKeyOutput::open(places.waylandDisplay);
            case OutputKind::XTest:
                if (auto opened = XTestKeyOutput::open(places.display)) {
                    return std::move(opened.value());
                }
                return nullptr;
            case OutputKind::None:
                break;
        }
        return nullptr;
    };
    return openChosenOutput(availability, open, only);
}

}  // namespace velloran
