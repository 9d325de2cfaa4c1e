#include "chosen_output.h"

#include "x11/key_output_chooser.h"

namespace velloran::runvale {

ChosenOutput chooseOutput(const std::string& outputName, Clock& clock, std::ostream& log) {
    if (outputName == "record") {
        auto recording = std::make_unique<LoggedRecordingOutput>(clock, log);
        LoggedRecordingOutput* raw = recording.get();
        return {std::move(recording), raw, "the recording output"};
    }
    KeyOutputPlaces places;
    places.notice = [&log](const std::string& text) { log << text << std::endl; };
    OpenedKeyOutput opened = outputName == "uinput"  ? openKeyOutput(OutputKind::Uinput, places)
                             : outputName == "xtest" ? openKeyOutput(OutputKind::XTest, places)
                                                     : openKeyOutput(places);
    if (!opened.output) {
        log << "No key output: " << opened.choice.reason << std::endl;
    } else {
        log << opened.layout << std::endl;
    }
    return {std::move(opened.output), nullptr, opened.choice.name};
}

}  // namespace velloran::runvale
