#include "keys/output_choice.h"

#include <vector>

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

const char* waylandProblem(WaylandStatus status) {
    switch (status) {
        case WaylandStatus::NoCompositor:
            return "no Wayland compositor is reachable";
        case WaylandStatus::NoProtocol:
            return "the Wayland compositor offers no virtual keyboard";
        case WaylandStatus::Refused:
            return "the Wayland compositor refused a virtual keyboard";
        case WaylandStatus::Usable:
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

bool wanted(OutputKind kind, OutputKind only) {
    return only == OutputKind::None || only == kind;
}

// "a", "a and b", "a, b and c".
std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

}  // namespace

OutputChoice chooseKeyOutput(const OutputAvailability& a, OutputKind only) {
    const bool uinput = wanted(OutputKind::Uinput, only);
    const bool wayland = wanted(OutputKind::Wayland, only);
    const bool xtest = wanted(OutputKind::XTest, only);
    if (uinput && a.uinput == UinputStatus::Usable) {
        return {OutputKind::Uinput, "uinput virtual keyboard", ""};
    }
    if (wayland && a.wayland == WaylandStatus::Usable) {
        return {OutputKind::Wayland, "Wayland virtual keyboard", ""};
    }
    if (xtest && a.xtest == XTestStatus::Usable) return {OutputKind::XTest, "X11 XTest", ""};

    std::string reason;
    switch (only) {
        case OutputKind::Uinput:
            reason = std::string("The uinput virtual keyboard cannot send keys: ") +
                     uinputProblem(a.uinput) + ".";
            break;
        case OutputKind::Wayland:
            reason = std::string("The Wayland virtual keyboard cannot send keys: ") +
                     waylandProblem(a.wayland) + ".";
            break;
        case OutputKind::XTest:
            reason = std::string("X11 XTest cannot send keys: ") + xtestProblem(a.xtest) + ".";
            break;
        case OutputKind::None:
            reason = "No keyboard output is available: " +
                     joined({uinputProblem(a.uinput), waylandProblem(a.wayland),
                             xtestProblem(a.xtest)}) +
                     ".";
            break;
    }
    // uinput works on every desktop; what it lacks is almost always the permission.
    if (uinput) {
        reason +=
            " Install the udev rule 60-velloran-uinput.rules, add your user to the input group "
            "and load the uinput module (see Keyboard output in the README).";
    }
    return {OutputKind::None, "", std::move(reason)};
}

OpenedKeyOutput openChosenOutput(OutputAvailability availability, const KeyOutputOpener& open,
                                 OutputKind only) {
    for (;;) {
        OutputChoice choice = chooseKeyOutput(availability, only);
        if (choice.kind == OutputKind::None) return {nullptr, std::move(choice), ""};
        if (OpenedKeyOutput opened = open(choice.kind); opened.output) {
            opened.choice = std::move(choice);
            return opened;
        }
        switch (choice.kind) {
            case OutputKind::Uinput:
                availability.uinput = UinputStatus::Refused;
                break;
            case OutputKind::Wayland:
                availability.wayland = WaylandStatus::Refused;
                break;
            case OutputKind::XTest:
                availability.xtest = XTestStatus::NoDisplay;
                break;
            case OutputKind::None:
                break;
        }
    }
}

}  // namespace velloran
