#pragma once
// Which commands the main window offers: the enabled and visible state of every toolbar button,
// menu item and command button, recomputed after each command from the document and mode flags.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "session/document_state.h"

namespace velloran {

// Enabled (or, for the list's context menu, Visible) by the control's object name.
using Switches = std::map<std::string, bool, std::less<>>;

// What the window shows. Defaults are the controls as designed: all enabled and visible.
struct CommandStates {
    // Toolbar1 buttons by key: "BTopen" ... "BThelp".
    Switches toolbar;
    // The top menus of the menu bar, keyed by their captions "&File", "&Tools", "&Help".
    Switches menuBar;
    // Items of the main menu: MNopen ... MNrun and MNoptions.
    Switches mainMenu;
    // Items of the Configuration list's context menu (MenuForm1), Visible, including its four
    // separators "separator1" .. "separator4"; `listMenu` is that menu's Enabled.
    Switches listMenuItems;
    bool listMenu = true;
    // ComAdd, ComClear, ComClearItem, ComDel, ComRec, ComSwap, ComTest.
    Switches buttons;
    // Items of the Mapping table's context menu (MenuForm2); `tableMenu` is that menu's Enabled.
    Switches tableMenuItems;
    bool tableMenu = true;
    std::string recCaption = "Record Key Mapping";  // MNrec as designed
    std::string testCaption = "Test Key Mappings";

    CommandStates();
    bool operator==(const CommandStates&) const = default;
};

struct ButtonStateInputs {
    bool listEmpty = false;  // the Configuration list holds no item
    bool noneOpen = false;   // tab 1 is the "BLANK" placeholder, or the tab strip holds no tab
    bool recording = false;  // the Tag of ComRec
    bool testing = false;    // the Tag of ComTest
    int stateCode = state::Listed;  // document state code of the selected list item
    int deviceCount = 0;
};

struct ButtonStatesUpdate {
    CommandStates states;
    // The mode flags afterwards: both drop to False when no configuration is open.
    bool recording = false;
    bool testing = false;
    // ImageList2 keys for ComRec and ComTest, set only when the modes were reset.
    std::optional<std::string> recPicture;
    std::optional<std::string> testPicture;
    bool clearFeedback = false;  // empty Text1
    bool applyMenuPictures = false;
};

// Recomputes every command state; entries a rule does not reach keep their `previous` value.
ButtonStatesUpdate Set_Button_States(const ButtonStateInputs& in, const CommandStates& previous);

}  // namespace velloran
