#pragma once
// The recording key output as a run's back end, a testing aid (--output=record): it types
// nothing, writes each batch to the log as it is sent ("record: +1e -1e") and can tell which keys
// it was left holding.
#include <ostream>
#include <string>

#include "keys/recording_output.h"

namespace velloran::runvale {

class LoggedRecordingOutput final : public KeyOutput {
public:
    LoggedRecordingOutput(Clock& clock, std::ostream& log) : recording_(clock), log_(log) {}

    bool send(std::span<const KeyRecord> batch) override;
    int keyState(std::uint16_t virtualKey) override { return recording_.keyState(virtualKey); }

    // "held keys at exit: none", or the scan codes still down: "held keys at exit: 2a 1e".
    std::string heldReport() const;

private:
    RecordingOutput recording_;
    std::ostream& log_;
};

}  // namespace velloran::runvale
