#include "keys/kb_decode.h"

#include "base/message_box.h"
#include "table/mapping_row.h"
#include "keys/key_names.h"

namespace velloran {

std::string appendOutputLine(std::string_view box, std::string_view line) {
    std::string result(box);
    if (!result.empty()) result += kCrLf;
    result += line;
    return result;
}

std::string KB_Decode(KeyDecodeHost& host, std::uint16_t keyCode, int shiftMask) {
    host.clearFeedback();
    const std::string_view name = keyNameOfCode(keyCode);
    std::string text(modifierPrefix(shiftMask));
    text += name;
    if (name.empty()) return text;

    if (host.testOutputVisible() && !host.recording()) {
        host.setTestOutput(appendOutputLine(host.testOutputText(), text));
    }
    if (!host.testing()) {
        const int column = host.currentColumn();
        if (isStepColumn(column)) host.writeStep(column, KeyStep{text, std::string(name)});
        host.markModified();
    }
    return text;
}

}  // namespace velloran
