#include "live_test/live_input.h"

#include "editing/recording.h"
#include "editing/table_events.h"
#include "shell/main_window.h"

namespace velloran {

LiveInput::LiveInput(MainWindow& window, LiveInputParts parts)
    : window_(window),
      decoder_(window),
      guard_(window, decoder_, std::move(parts.grabKeyboard)),
      lockKeys_(parts.openOutput),
      test_(window, decoder_,
            TestModeParts{parts.devices, parts.openOutput, parts.priority, parts.clock,
                          parts.testOutputMirror}),
      follow_(window, parts.devices) {
    window_.commands().setHandler(Command::Record, [this] { record(); });
    window_.tableEvents().setKeyboardHooks(
        KeyboardHooks{[this](std::uint16_t key, bool on) { lockKeys_.set(key, on); },
                      [this] { return guard_.install(); }, [this] { guard_.remove(); }});
    QObject::connect(&window_, &MainWindow::unloading, &guard_, [this] {
        guard_.remove();
        lockKeys_.close();
    });
}

LiveInput::~LiveInput() {
    window_.commands().setHandler(Command::Record, {});
    window_.tableEvents().setKeyboardHooks({});
}

void LiveInput::record() {
    TableEvents& events = window_.tableEvents();
    events.run([this](TableEditing t) { Rec_Mappings(t, window_.services().boxes); });
    window_.controls().commands->setRecPicture(QString::fromStdString(events.state().recPicture));
    if (!window_.session().recording) lockKeys_.close();
}

}  // namespace velloran
