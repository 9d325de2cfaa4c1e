#include "configuration_json.h"

#include <cmath>
#include <cstdint>

namespace velloran::runvale {

namespace {

// Doubles within this bound convert to 64-bit integers exactly.
constexpr double kIntegerLimit = 9.2e18;

Json numberJson(double n) {
    if (std::isfinite(n) && std::trunc(n) == n && std::fabs(n) < kIntegerLimit) {
        return static_cast<std::int64_t>(n);
    }
    return n;
}

Json stepsJson(const MappingRow& row, int firstColumn) {
    Json steps = Json::array();
    for (int c = firstColumn; c < firstColumn + kStepsPerMacro; ++c) {
        const Cell& cell = row.cell(c);
        steps.push_back(Json::array({std::string_view(cell.text), tagJson(cell.tag)}));
    }
    return steps;
}

Json messagesJson(const std::vector<Message>& messages) {
    Json list = Json::array();
    for (const Message& m : messages) list.push_back(messageJson(m));
    return list;
}

}  // namespace

Json tagJson(const Tag& tag) {
    switch (tag.kind()) {
        case Tag::Kind::Empty:
            return nullptr;
        case Tag::Kind::Boolean:
            return tag.asBoolean();
        case Tag::Kind::Number:
            return numberJson(tag.asNumber());
        case Tag::Kind::Text:
            return tag.asText();
    }
    return nullptr;
}

Json messageJson(const Message& message) {
    return Json{{"title", message.title},
                {"text", message.text},
                {"icon", std::string(iconName(message.icon))}};
}

Json rowJson(const MappingRow& row) {
    const Cell& device = row.cell(col::DeviceId);
    const Cell& description = row.cell(col::Description);
    return Json{{"button", row.text},
                {"device_text", std::string_view(device.text)},
                {"device_id", tagJson(device.tag)},
                {"repeat", tagJson(row.cell(col::Repeat).tag)},
                {"rotary", tagJson(row.cell(col::Rotary).tag)},
                {"multiplier", tagJson(row.cell(col::Multiplier).tag)},
                {"description", std::string_view(description.text)},
                {"active", tagJson(description.tag)},
                {"num_lock", tagJson(row.cell(col::NumLock).tag)},
                {"caps_lock", tagJson(row.cell(col::CapsLock).tag)},
                {"scroll_lock", tagJson(row.cell(col::ScrollLock).tag)},
                {"press", stepsJson(row, col::FirstPress)},
                {"release", stepsJson(row, col::FirstRelease)}};
}

void writeLoadJson(const LoadedConfiguration& loaded, std::ostream& out) {
    // The reader yields UTF-8; replacing anything else keeps the output valid JSON regardless.
    const auto dump = [](const Json& j) {
        return j.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    if (loaded.failure) {
        const LoadFailure& f = *loaded.failure;
        out << dump(Json{{"messages", messagesJson(loaded.messages)},
                         {"error",
                          {{"number", f.error.number},
                           {"title", f.box.title},
                           {"text", f.box.text},
                           {"icon", std::string(iconName(f.box.icon))}}}});
        return;
    }
    Json head{{"version", loaded.version},
              {"obsolete", loaded.obsolete},
              {"state", loaded.state},
              {"messages", messagesJson(loaded.messages)}};
    std::string text = dump(head);
    text.pop_back();  // the closing brace: the rows follow
    out << text << ",\"rows\":[";
    for (std::size_t i = 0; i < loaded.rows.size(); ++i) {
        if (i > 0) out << ',';
        out << dump(rowJson(loaded.rows[i]));
    }
    out << "]}";
}

}  // namespace velloran::runvale
