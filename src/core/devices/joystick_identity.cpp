#include "devices/joystick_identity.h"

#include "base/ascii_text.h"

#include <algorithm>

namespace velloran {
namespace {

// Printable ASCII except the double quote, which a configuration file field cannot hold.
std::string fileSafe(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u >= 0x7F || c == '"') c = '_';
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The qualifier that tells a unit apart, "" when neither serial nor port is given.
std::string qualifier(std::string_view serial, std::string_view byPathName) {
    if (const auto s = trimmed(serial); !s.empty()) return fileSafe(s);
    return fileSafe(portFromByPathName(byPathName));
}

}  // namespace

std::string portFromByPathName(std::string_view byPathName) {
    // Event nodes end in "-event-<class>" or "-event", other nodes in "-<class>".
    const auto event = byPathName.rfind("-event");
    if (event != std::string_view::npos &&
        (event + 6 == byPathName.size() || byPathName[event + 6] == '-')) {
        return std::string(byPathName.substr(0, event));
    }
    const auto dash = byPathName.rfind('-');
    return std::string(dash == std::string_view::npos ? byPathName : byPathName.substr(0, dash));
}

std::vector<IdentifiedJoystick> identifyJoysticks(const std::vector<JoystickTraits>& attached) {
    const std::size_t n = attached.size();
    // A serial or port counts only where no other unit of the same model shares it.
    const auto unique = [&](std::size_t i, auto part) {
        const std::string mine = part(attached[i]);
        if (mine.empty()) return false;
        for (std::size_t j = 0; j < n; ++j) {
            if (j != i && equalsIgnoreCase(attached[j].guid, attached[i].guid) &&
                equalsIgnoreCase(part(attached[j]), mine)) {
                return false;
            }
        }
        return true;
    };
    const auto serialOf = [](const JoystickTraits& t) { return qualifier(t.serial, {}); };
    const auto portOf = [](const JoystickTraits& t) { return qualifier({}, t.byPathName); };

    std::vector<IdentifiedJoystick> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::string q = unique(i, serialOf) ? serialOf(attached[i])
                        : unique(i, portOf) ? portOf(attached[i])
                                            : std::string();
        out[i].source = i;
        out[i].byOrdinal = q.empty();
        // Ordinal identities sort as "<guid>/#" until their numbers are known.
        out[i].identity = fileSafe(attached[i].guid) + "/" + (q.empty() ? "#" : q);
    }
    std::ranges::stable_sort(out, {}, &IdentifiedJoystick::identity);

    std::string model;
    int ordinal = 0;
    for (auto& joystick : out) {
        if (!joystick.byOrdinal) continue;
        if (joystick.identity != model) {
            model = joystick.identity;
            ordinal = 0;
        }
        joystick.identity += std::to_string(++ordinal);
    }
    return out;
}

std::string joystickDisplayName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (c == '"') c = '\'';
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
    }
    return out;
}

}  // namespace velloran
