#include "engine/test_mappings.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "session/tab_strip.h"

namespace velloran {
namespace {

constexpr const char* kNoDevicesTitle = "No Input Devices Found";

// The lines joined by carriage return and line feed; "" makes an empty line.
std::string lines(std::initializer_list<std::string_view> parts) {
    std::string text;
    bool first = true;
    for (const std::string_view part : parts) {
        if (!first) text += kCrLf;
        text += part;
        first = false;
    }
    return text;
}

TestToggle startTest(EditorSession& session, MappingEngine& engine, const TestModeServices& services) {
    if (session.devices.empty()) {
        services.boxes.show(noDevicesMessage());
        return TestToggle::None;
    }
    if (session.devices.totalButtons() == 0) {
        services.boxes.show(noButtonsMessage());
        return TestToggle::None;
    }
    if (!services.canSendKeys) {
        services.boxes.show(noKeyOutputMessage(services.keyOutputReason));
        return TestToggle::None;
    }
    services.boxes.show(testWarningMessage());
    session.testing = true;

    const std::string kept = session.statusPanel1;
    session.statusPanel1 = "Compiling Key Mappings...";
    services.showStatusNow();
    if (const MappingTable* table = session.currentTable()) engine.compile(*table);
    session.statusPanel1 = kept;

    if (services.priority.get() != priority::High) services.priority.set(priority::High);
    engine.setTimings(readEngineTimings(services.store));
    return TestToggle::Started;
}

TestToggle stopTest(EditorSession& session, const TestModeServices& services) {
    session.statusPanel1 = std::string(status::kBlank);
    if (services.priority.get() != priority::Normal) services.priority.set(priority::Normal);
    if (MappingTable* table = session.currentTable()) {
        for (MappingRow& row : table->rows()) applyRowLook(row, RowLook::Idle);
    }
    session.testing = false;
    return TestToggle::Stopped;
}

}  // namespace

TestToggle Test_Mappings(EditorSession& session, MappingEngine& engine,
                         const TestModeServices& services) {
    const Tab* tab = session.tabs.selected();
    if (tab == nullptr || tab->key == kBlankKey) return TestToggle::None;
    return session.testing ? stopTest(session, services) : startTest(session, engine, services);
}

Message noDevicesMessage() {
    return {
        Icon::Exclamation, kNoDevicesTitle,
        lines({"No valid input devices were found!", "",
               "Your input devices must be properly connected", "and working before proceeding."})};
}

Message noButtonsMessage() {
    return {Icon::Exclamation, kNoDevicesTitle,
            lines({"No buttons found on input device(s)!", "",
                   "Your devices must have at least one button", "before proceeding."})};
}

Message noKeyOutputMessage(std::string_view reason) {
    std::string text =
        lines({"No keyboard output is available!", "",
               "Keystrokes cannot be sent to other programs,", "so the test cannot run."});
    if (!reason.empty()) text += lines({"", "", reason});
    return {Icon::Exclamation, "No Keyboard Output", std::move(text)};
}

Message testWarningMessage() {
    return {Icon::Information, "Test Warning",
            lines({"This function is intended for testing purposes only.", "",
                   "If you wish to run this configuration file, please use",
                   "Runvale for optimal performance by clicking", "on the candy stipped icon.", "",
                   "Remember to save your work before proceeding."})};
}

}  // namespace velloran
