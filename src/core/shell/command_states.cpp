#include "shell/command_states.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace velloran {
namespace {

Switches allOn(std::initializer_list<const char*> names) {
    Switches s;
    for (const char* n : names) s.emplace(n, true);
    return s;
}

void setAll(Switches& s, bool on) {
    for (auto& entry : s) entry.second = on;
}

void set(Switches& s, std::string_view name, bool on) {
    const auto it = s.find(name);
    if (it != s.end()) it->second = on;
}

// A document-state entry: off, on, or on only when an input device was detected.
enum class When { Off, On, Dev };

// One command across the three places it appears; an empty name means the place lacks it.
// Close differs between them for new documents, so it takes one row per place.
struct StateRule {
    std::string_view toolbar;
    std::string_view menu;
    std::string_view listItem;
    std::array<When, 4> byCode;  // codes 1, 2, 0, 16
};

constexpr When Off = When::Off;
constexpr When On = When::On;
constexpr When Dev = When::Dev;

constexpr auto stateRules = std::to_array<StateRule>({
    {"BTopen", "MNopen", "MNopen", {On, Off, Off, Off}},
    {"BTclose", "", "MNclose", {Off, On, On, On}},
    {"", "MNclose", "", {Off, Off, On, On}},
    {"", "", "separator1", {On, Dev, Dev, Dev}},
    {"BTnew", "MNnew", "MNnew", {Dev, Dev, Dev, Dev}},
    {"BTload", "MNload", "MNload", {On, On, On, On}},
    {"", "", "separator2", {On, On, On, On}},
    {"BTsave", "MNsave", "MNsave", {Off, Off, Off, On}},
    {"BTsaveas", "MNsaveas", "MNsaveas", {Off, On, On, On}},
    {"", "", "separator3", {Off, Off, On, On}},
    {"BTclone", "MNclone", "MNclone", {Off, Off, On, On}},
    {"BTdelete", "MNdelete", "MNdelete", {On, Off, On, On}},
    {"", "", "separator4", {Off, Off, On, On}},
    {"BTicon", "MNicon", "MNicon", {On, Off, On, On}},
    {"BTjoy", "", "", {On, On, On, On}},
    {"BTrun", "MNrun", "", {Dev, Off, Dev, Off}},
    {"BThelp", "", "", {On, On, On, On}},
});

// Column of a state code in the rules, or none for codes that leave the entries alone.
std::optional<std::size_t> codeColumn(int code) {
    switch (code) {
        case state::Listed:
            return 0;
        case state::New:
            return 1;
        case state::Unchanged:
            return 2;
        case state::Changed:
            return 3;
        default:
            return std::nullopt;
    }
}

void emptyList(CommandStates& s, bool device) {
    setAll(s.toolbar, false);
    set(s.toolbar, "BTnew", device);
    for (const char* key : {"BTload", "BTjoy", "BThelp"}) set(s.toolbar, key, true);

    for (const char* item :
         {"MNopen", "MNclose", "MNsave", "MNsaveas", "MNclone", "MNdelete", "MNicon", "MNrun"}) {
        set(s.mainMenu, item, false);
    }
    set(s.mainMenu, "MNnew", device);
    set(s.mainMenu, "MNload", true);

    setAll(s.listMenuItems, false);
    set(s.listMenuItems, "MNnew", device);
    set(s.listMenuItems, "separator1", device);
    set(s.listMenuItems, "MNload", true);
    set(s.listMenuItems, "separator2", true);
}

// Record and test mode lock every document command until the mode ends.
void lockDocumentCommands(CommandStates& s) {
    setAll(s.menuBar, false);
    set(s.mainMenu, "MNoptions", false);
    s.listMenu = false;
    setAll(s.toolbar, false);
}

void recordingMode(CommandStates& s) {
    for (const char* b : {"ComClear", "ComClearItem"}) set(s.buttons, b, true);
    for (const char* b : {"ComTest", "ComDel", "ComAdd", "ComSwap"}) set(s.buttons, b, false);
    s.recCaption = "Stop Recording";
    for (const char* m : {"MNClear", "MNClearItem"}) set(s.tableMenuItems, m, true);
    for (const char* m : {"MNtest", "MNremove", "MNadd", "MNswap"}) {
        set(s.tableMenuItems, m, false);
    }
}

void testingMode(CommandStates& s) {
    for (const char* b : {"ComRec", "ComClear", "ComClearItem", "ComDel", "ComAdd", "ComSwap"}) {
        set(s.buttons, b, false);
    }
    s.testCaption = "Stop Testing";
    for (const char* m : {"MNrec", "MNClear", "MNClearItem", "MNremove", "MNadd", "MNswap"}) {
        set(s.tableMenuItems, m, false);
    }
}

void editingMode(CommandStates& s) {
    setAll(s.buttons, true);
    s.recCaption = "Record Key Mappings";
    s.testCaption = "Test Key Mappings";
    setAll(s.tableMenuItems, true);
    s.tableMenu = true;
    setAll(s.toolbar, true);
    setAll(s.menuBar, true);
    set(s.mainMenu, "MNoptions", true);
    s.listMenu = true;
}

void documentState(CommandStates& s, int code, bool device) {
    const auto column = codeColumn(code);
    if (!column) return;
    for (const StateRule& rule : stateRules) {
        const When when = rule.byCode[*column];
        const bool on = when == On || (when == Dev && device);
        if (!rule.toolbar.empty()) set(s.toolbar, rule.toolbar, on);
        if (!rule.menu.empty()) set(s.mainMenu, rule.menu, on);
        if (!rule.listItem.empty()) set(s.listMenuItems, rule.listItem, on);
    }
}

}  // namespace

CommandStates::CommandStates()
    : toolbar(allOn({"BTopen", "BTnew", "BTload", "BTclose", "BTsave", "BTsaveas", "BTclone",
                     "BTdelete", "BTicon", "BTjoy", "BTrun", "BThelp"})),
      menuBar(allOn({"&File", "&Edit", "&Tools", "&Help"})),
      mainMenu(allOn({"MNopen", "MNnew", "MNload", "MNclose", "MNsave", "MNsaveas", "MNclone",
                      "MNdelete", "MNicon", "MNrun", "MNoptions"})),
      listMenuItems(
          allOn({"MNopen", "MNclose", "separator1", "MNnew", "MNload", "separator2", "MNsave",
                 "MNsaveas", "separator3", "MNclone", "MNdelete", "separator4", "MNicon"})),
      buttons(
          allOn({"ComAdd", "ComClear", "ComClearItem", "ComDel", "ComRec", "ComSwap", "ComTest"})),
      tableMenuItems(
          allOn({"MNrec", "MNClear", "MNClearItem", "MNtest", "MNremove", "MNadd", "MNswap"})) {}

ButtonStatesUpdate Set_Button_States(const ButtonStateInputs& in, const CommandStates& previous) {
    ButtonStatesUpdate out;
    out.states = previous;
    out.recording = in.recording;
    out.testing = in.testing;
    out.applyMenuPictures = true;
    CommandStates& s = out.states;
    const bool device = in.deviceCount > 0;

    if (in.listEmpty) {
        emptyList(s, device);
        return out;
    }

    if (in.noneOpen) {
        setAll(s.buttons, false);
        out.recording = false;
        out.testing = false;
        out.recPicture = "rec_off";
        out.testPicture = "test_off";
        out.clearFeedback = true;
    } else if (in.recording) {
        recordingMode(s);
        lockDocumentCommands(s);
        return out;
    } else if (in.testing) {
        testingMode(s);
        lockDocumentCommands(s);
        return out;
    } else {
        editingMode(s);
    }

    documentState(s, in.stateCode, device);
    return out;
}

}  // namespace velloran
