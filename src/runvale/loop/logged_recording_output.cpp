#include "loop/logged_recording_output.h"

#include <cstdio>

namespace velloran::runvale {
namespace {

std::string hex(std::uint16_t scanCode) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x", scanCode & 0xFFu);
    return text;
}

}  // namespace

bool LoggedRecordingOutput::send(std::span<const KeyRecord> batch) {
    std::string line = "record:";
    for (const KeyRecord& r : batch) {
        line += r.keyUp ? " -" : " +";
        line += hex(r.scanCode);
    }
    log_ << line << std::endl;
    return recording_.send(batch);
}

std::string LoggedRecordingOutput::heldReport() const {
    std::string line = "held keys at exit:";
    if (recording_.heldKeys().empty()) return line + " none";
    for (const std::uint16_t code : recording_.heldKeys()) {
        line += ' ';
        line += hex(code);
    }
    return line;
}

}  // namespace velloran::runvale
