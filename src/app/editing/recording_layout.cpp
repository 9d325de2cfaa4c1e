#include "editing/recording_layout.h"

#include <memory>

#include "x11/key_output_chooser.h"

namespace velloran {

KeyLayout& recordingLayout() {
    static const std::unique_ptr<KeyLayout> layout = newKeyboardLayout();
    return *layout;
}

}  // namespace velloran
