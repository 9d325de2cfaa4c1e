#include "x11/key_output_chooser.h"

#include "x11/xtest_key_output.h"

namespace velloran {

OpenedKeyOutput openKeyOutput(const KeyOutputPlaces& places) {
    OutputAvailability availability{UinputKeyOutput::probe(places.uinputPath),
                                    XTestKeyOutput::probe(places.display)};
    for (;;) {
        OutputChoice choice = chooseKeyOutput(availability);
        switch (choice.kind) {
            case OutputKind::Uinput:
                if (auto opened = UinputKeyOutput::create(places.uinputPath)) {
                    return {std::move(opened.value()), std::move(choice)};
                }
                availability.uinput = UinputStatus::Refused;
                break;
            case OutputKind::XTest:
                if (auto opened = XTestKeyOutput::open(places.display)) {
                    return {std::move(opened.value()), std::move(choice)};
                }
                availability.xtest = XTestStatus::NoDisplay;
                break;
            case OutputKind::None:
                return {nullptr, std::move(choice)};
        }
    }
}

}  // namespace velloran
