#include "session/editor_session.h"

#include "session/document_state.h"

namespace velloran {

void EditorSession::SwapSelected(std::string_view key) {
    if (list.empty()) return;
    if (currentKey == kBlankKey) currentKey = std::string(key);
    list.clearSelection();
    list.colourByOpenState();
    if (ListEntry* entry = list.find(key)) {
        entry->ghosted = false;
        entry->colour = listcolour::Current;
        list.select(key);
    }
    currentKey = std::string(key);
}

void EditorSession::show(std::string_view key) {
    SwapSelected(key);
    tabs.select(key);
    shownTable = tables.indexOf(key).value_or(TableDictionary::kTemplateIndex);
}

void EditorSession::apply(const TableControlEffects& effects) {
    if (effects.comDel) controls.comDel = *effects.comDel;
    if (effects.comRec) controls.comRec = *effects.comRec;
    if (effects.comSwap) controls.comSwap = *effects.comSwap;
    if (effects.comTest) controls.comTest = *effects.comTest;
    if (effects.tabStrip1) controls.tabStrip = *effects.tabStrip1;
    if (effects.clearRecordingAndTesting) recording = testing = false;
    shownTable = effects.shownIndex;
}

void EditorSession::resetToBlank() {
    tabs.resetToPlaceholder();
    currentKey = std::string(kBlankKey);
    handedOut.clear();
    shownTable = TableDictionary::kTemplateIndex;
    if (MappingTable* blank = tables.tableAt(TableDictionary::kTemplateIndex)) {
        blank->enabled = false;
    }
    recording = testing = false;
    feedback.clear();
    controls.comDel = controls.comRec = controls.comSwap = controls.comTest = false;
}

void EditorSession::markChanged() {
    ListEntry* entry = list.find(currentKey);
    if (entry != nullptr && !state::neverSaved(entry->state)) entry->state = state::Changed;
    if (const MappingTable* table = currentTable(); table != nullptr && entry != nullptr) {
        histories.record(currentKey, *table);
    }
}

ButtonStateInputs EditorSession::buttonStateInputs() const {
    ButtonStateInputs in;
    in.listEmpty = list.empty();
    in.noneOpen = tabs.noneOpen();
    in.recording = recording;
    in.testing = testing;
    const ListEntry* selected = list.selected();
    in.stateCode = selected != nullptr ? selected->state : state::Listed;
    in.deviceCount = static_cast<int>(devices.devices.size());
    return in;
}

ButtonStatesUpdate EditorSession::setButtonStates(const CommandStates& previous) {
    histories.follow(tables, list);
    ButtonStatesUpdate update = Set_Button_States(buttonStateInputs(), previous);
    recording = update.recording;
    testing = update.testing;
    if (update.clearFeedback) feedback.clear();
    const auto buttonOn = [&](const char* name, bool& field) {
        const auto it = update.states.buttons.find(name);
        if (it != update.states.buttons.end()) field = it->second;
    };
    buttonOn("ComDel", controls.comDel);
    buttonOn("ComRec", controls.comRec);
    buttonOn("ComSwap", controls.comSwap);
    buttonOn("ComTest", controls.comTest);
    return update;
}

}  // namespace velloran
