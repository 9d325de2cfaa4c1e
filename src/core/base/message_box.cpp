#include "base/message_box.h"

namespace velloran {

std::string_view iconName(Icon icon) {
    switch (icon) {
        case Icon::Critical: return "critical";
        case Icon::Question: return "question";
        case Icon::Exclamation: return "exclamation";
        case Icon::Information: return "information";
        case Icon::None: break;
    }
    return "";
}

Message errorBox(const RuntimeError& error, ProcKind kind, std::string_view procedure) {
    std::string text = numberText(error.number) + "  " + error.description;
    text += kind == ProcKind::Sub ? " in sub " : " in function ";
    text += procedure;
    text += ".";
    return Message{Icon::Critical, "ERROR", std::move(text)};
}

Message fileIoErrorBox(const RuntimeError& error) {
    return Message{Icon::Critical, "File IO Error", error.description};
}

}  // namespace velloran
