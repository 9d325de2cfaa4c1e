#pragma once
// The key output a run or a replay asks for with --output: "auto" (uinput, else XTest),
// "uinput", "xtest", or "record" (a testing aid that types nothing and logs each batch). The
// layout keys follow and what the user should know about the lock keys go to the log.
#include <memory>
#include <ostream>
#include <string>

#include "base/clock.h"
#include "keys/key_output.h"
#include "loop/logged_recording_output.h"

namespace velloran::runvale {

inline constexpr const char* kOutputNames[] = {"auto", "uinput", "xtest", "record"};

struct ChosenOutput {
    std::unique_ptr<KeyOutput> output;  // null when it cannot send keys (the reason is logged)
    LoggedRecordingOutput* recording = nullptr;  // the output, when it records
    std::string name;
};

ChosenOutput chooseOutput(const std::string& outputName, Clock& clock, std::ostream& log);

}  // namespace velloran::runvale
