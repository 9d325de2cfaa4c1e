#pragma once
// Turning a keyboard event into a Key step: the recording cell receives it, the test output window
// lists it. The windows involved stay behind a small host interface.
#include <cstdint>
#include <string>
#include <string_view>

#include "keys/key_step.h"

namespace velloran {

class KeyDecodeHost {
public:
    virtual ~KeyDecodeHost() = default;

    // What the decoder reads.
    virtual bool testOutputVisible() const = 0;
    virtual bool recording() const = 0;  // the recording button's flag
    virtual bool testing() const = 0;    // the test button's flag
    virtual int currentColumn() const = 0;
    virtual std::string testOutputText() const = 0;

    // What it does.
    virtual void clearFeedback() = 0;  // the main window's feedback line
    // Replaces the test output box's text, gives the box the focus and scrolls to its last line.
    virtual void setTestOutput(std::string text) = 0;
    // Writes the step into `column` of the selected row of the current table (text and Tag).
    virtual void writeStep(int column, const KeyStep& step) = 0;
    // Marks the current configuration changed (unless never saved) and refreshes command states.
    virtual void markModified() = 0;
};

// The test output box after adding a line: the line alone into an empty box, otherwise after a
// carriage return and line feed.
std::string appendOutputLine(std::string_view box, std::string_view line);

// Decodes a key-down event (virtual-key code, modifier mask of `modifier` bits) and returns the
// combination text it made, the current key text. Keys without a name (the modifiers alone, the
// lock and Windows keys) give only the prefix and no step. A named key is listed in the visible
// test output window unless recording; unless testing, it is written into the current column when
// that is a step column, and the configuration is marked modified either way.
std::string KB_Decode(KeyDecodeHost& host, std::uint16_t keyCode, int shiftMask);

}  // namespace velloran
