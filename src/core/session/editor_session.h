#pragma once
// The editor's document state without any widget: the Configuration list, the tab strip, the
// Mapping tables, the current configuration and the mode flags. The window forwards events to
// the document commands and redraws from these fields; after each command it runs
// setButtonStates.
#include <string>
#include <string_view>

#include "history/edit_histories.h"
#include "session/configuration_list.h"
#include "table/init_listview.h"
#include "session/tab_strip.h"
#include "table/table_dictionary.h"
#include "devices/device_inventory.h"
#include "settings/new_file_key.h"
#include "shell/command_states.h"

namespace velloran {

// Enabled states that commands set directly, besides those of the command states.
struct RowControls {
    bool comDel = false;
    bool comRec = false;
    bool comSwap = false;
    bool comTest = false;
    bool tabStrip = false;

    bool operator==(const RowControls&) const = default;
};

struct EditorSession {
    ConfigurationList list;
    TabStrip tabs;
    TableDictionary tables;
    HandedOutKeys handedOut;
    DeviceInventory devices;
    EditHistories histories;  // undo and redo of each open configuration's table

    std::string currentKey{kBlankKey};  // "BLANK" while no configuration is open
    bool recording = false;             // the Tag of ComRec
    bool testing = false;               // the Tag of ComTest
    std::string statusPanel1;
    std::string statusPanel2;
    std::string feedback;  // the feedback line Text1
    RowControls controls;
    int shownTable = TableDictionary::kTemplateIndex;  // index of the one visible table

    // Requests for the window, which carries them out and clears them.
    bool unloadRequested = false;    // close the main window through its normal shutdown
    bool minimiseRequested = false;  // minimise the main window

    // The table of the current configuration (the template while none is open), or nullptr.
    MappingTable* currentTable() { return tables.find(currentKey); }

    // Marks the configuration with this key current in the list and the tabs: every entry
    // deselected and coloured by whether it is open, the key's entry un-ghosted, red and
    // selected. Nothing happens while the list is empty.
    void SwapSelected(std::string_view key);

    // Makes an open configuration current: its entry, its tab and its table in front.
    void show(std::string_view key);

    // Applies what init_listview decided for the controls.
    void apply(const TableControlEffects& effects);

    // Back to "no configuration open": the placeholder tab, the template table shown and
    // disabled, no recording or test, the row commands off.
    void resetToBlank();

    // An edit of the current configuration: state 16 unless it was never saved; the edit joins
    // the configuration's undo history.
    void markChanged();

    // What the command states depend on, read from this session.
    ButtonStateInputs buttonStateInputs() const;
    // Recomputes the command states from `previous` (the undo histories follow the open
    // documents first) and takes over the mode flags and row
    // buttons they decide; the window applies the returned states to its controls.
    ButtonStatesUpdate setButtonStates(const CommandStates& previous);
};

}  // namespace velloran
