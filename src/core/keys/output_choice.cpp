#include "keys/output_choice.h"

namespace velloran {
namespace {

const char* uinputProblem(UinputStatus status) {
    switch (status) {
        case UinputStatus::Missing:
            return "/dev/uinput does not exist (the uinput module is not loaded)";
        case UinputStatus::NotWritable:
            return "/dev/uinput is not writable";
        case UinputStatus::Refused:
            return "/dev/uinput refused to create a virtual keyboard";
        case UinputStatus::Usable:
            break;
    }
    return "";
}

const char* xtestProblem(XTestStatus status) {
    switch (status) {
        case XTestStatus::NoDisplay:
            return "no X display is reachable";
        case XTestStatus::NoExtension:
            return "the X display has no XTEST extension";
        case XTestStatus::Usable:
            break;
    }
    return "";
}

}  // namespace

OutputChoice chooseKeyOutput(const OutputAvailability& availability) {
    if (availability.uinput == UinputStatus::Usable) {
        return {OutputKind::Uinput, "uinput virtual keyboard", ""};
    }
    if (availability.xtest == XTestStatus::Usable) return {OutputKind::XTest, "X11 XTest", ""};
    return {OutputKind::None, "",
            std::string("No keyboard output is available: ") + uinputProblem(availability.uinput) +
                " and " + xtestProblem(availability.xtest) + "."};
}

OutputChoice requireUinput(const OutputAvailability& availability) {
    if (availability.uinput == UinputStatus::Usable) return chooseKeyOutput(availability);
    return {OutputKind::None, "",
            std::string("The uinput virtual keyboard cannot send keys: ") +
                uinputProblem(availability.uinput) + "."};
}

OutputChoice requireXTest(const OutputAvailability& availability) {
    if (availability.xtest == XTestStatus::Usable) {
        return chooseKeyOutput({UinputStatus::Missing, availability.xtest});
    }
    return {OutputKind::None, "",
            std::string("X11 XTest cannot send keys: ") + xtestProblem(availability.xtest) + "."};
}

}  // namespace velloran
