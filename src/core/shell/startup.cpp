#include "shell/startup.h"

#include "session/config_folder.h"
#include "session/configuration_list_loading.h"
#include "session/document_open.h"
#include "settings/setting_values.h"
#include "settings/settings_names.h"

namespace velloran {

namespace {

std::string configFolderSetting(SettingsStore& store, const SessionPaths& paths) {
    std::string folder = store.GetString(Root::CurrentUser, kConfigKey, settings::kConfigPath);
    if (!folder.empty() && folder.ends_with('/')) return folder;
    folder = folder.empty() ? paths.defaultConfigFolder() : folder + "/";
    store.SaveString(Root::CurrentUser, kConfigKey, settings::kConfigPath, folder);
    return folder;
}

bool unsaved(int code) {
    return code == state::Changed || state::neverSaved(code);
}

}  // namespace

StartupSettings startmeup(EditorSession& session, const DocumentServices& services) {
    SettingsStore& store = services.store;
    session.handedOut.clear();
    StartupSettings out;
    out.associate =
        isTrueText(settingOrDefault(store, settings::kAssociate, settings::kAssociateDefault));
    out.configFolder = configFolderSetting(store, services.paths);
    createConfigFolder(services.folders, services.boxes, out.configFolder);

    loadConfigurationList(session, services, out.configFolder);
    session.currentKey = std::string(kBlankKey);
    session.tabs.resetToPlaceholder();
    session.apply(init_listview(session.tables, colour::TemplateBackground, TableMode::Template,
                                kBlankKey, nullptr, session.devices));
    session.feedback.clear();
    return out;
}

std::string commandLinePath(std::string_view commandLine, Folders& folders) {
    if (commandLine.size() <= 1) return {};
    if (commandLine.front() == '"') commandLine = commandLine.substr(1, commandLine.size() - 2);
    return folders.fullPath(std::string(commandLine));
}

void openFromCommandLine(EditorSession& session, const DocumentServices& services,
                         std::string_view commandLine) {
    std::string path = commandLinePath(commandLine, services.folders);
    if (!path.empty()) load_click(session, services, false, std::move(path));
}

bool Form_QueryUnload(const EditorSession& session, MessageBoxes& boxes) {
    if (session.tabs.noneOpen()) return true;
    for (const Tab& tab : session.tabs.tabs()) {
        const ListEntry* entry = session.list.find(tab.key);
        if (entry == nullptr || !unsaved(entry->state)) continue;
        return boxes.ask(Icon::Exclamation, "Confirm Close",
                         "Are you sure you want to quit without saving?",
                         Buttons::YesNo) == Answer::Yes;
    }
    return true;
}

}  // namespace velloran
