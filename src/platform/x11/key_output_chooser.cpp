#include "x11/key_output_chooser.h"

#include "x11/x11_key_layout.h"
#include "x11/xtest_key_output.h"
#include "xkb/xkb_layout.h"

namespace velloran {
namespace {

OpenedKeyOutput openChosen(OutputAvailability availability, const KeyOutputPlaces& places,
                           OutputChoice (*choose)(const OutputAvailability&)) {
    for (;;) {
        OutputChoice choice = choose(availability);
        switch (choice.kind) {
            case OutputKind::Uinput:
                if (auto opened = UinputKeyOutput::create(
                        places.uinputPath, newKeyboardLayout(places.display), places.notice)) {
                    std::string layout = opened.value()->layout().description();
                    return {std::move(opened.value()), std::move(choice), std::move(layout)};
                }
                availability.uinput = UinputStatus::Refused;
                break;
            case OutputKind::XTest:
                if (auto opened = XTestKeyOutput::open(places.display)) {
                    std::string layout = opened.value()->layout().description();
                    return {std::move(opened.value()), std::move(choice), std::move(layout)};
                }
                availability.xtest = XTestStatus::NoDisplay;
                break;
            case OutputKind::None:
                return {nullptr, std::move(choice), ""};
        }
    }
}

}  // namespace

std::unique_ptr<KeyLayout> newKeyboardLayout(const std::string& display) {
    if (std::unique_ptr<KeyLayout> server = X11KeyLayout::open(display)) return server;
    return desktopKeyLayout();
}

OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places) {
    const OutputAvailability availability{UinputKeyOutput::probe(places.uinputPath),
                                          XTestKeyOutput::probe(places.display)};
    return openChosen(availability, places, chooseKeyOutput);
}

OpenedKeyOutput openKeyOutput(OutputKind only, const KeyOutputPlaces& places) {
    OutputAvailability availability;
    if (only == OutputKind::Uinput) {
        availability.uinput = UinputKeyOutput::probe(places.uinputPath);
        return openChosen(availability, places, requireUinput);
    }
    availability.xtest = XTestKeyOutput::probe(places.display);
    return openChosen(availability, places, requireXTest);
}

}  // namespace velloran
