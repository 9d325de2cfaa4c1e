#include "shell/settings_commands.h"

#include "session/config_folder.h"
#include "settings/icon_click.h"
#include "settings/preferences_dialog.h"
#include "shell/main_window.h"

namespace velloran {

void MainWindow::applyTimings(const EngineTimings& timings) {
    timings_ = timings;
}

void registerSettingsCommands(MainWindow& window) {
    CommandRouter& router = window.commands();
    router.setHandler(Command::Options, [&window] {
        const DocumentServices& services = window.services();
        PreferencesDialog dialog(&window, services.store, window.fileAssociation(),
                                 services.paths.defaultConfigFolder());
        QObject::connect(
            &dialog, &PreferencesDialog::applied, &window,
            [&window](const AppliedPreferences& applied) {
                window.applyTimings(applied.timings);
                createConfigFolder(window.services().folders, window.services().boxes,
                                   applied.configFolder);
            });
        dialog.exec();
    });
    router.setHandler(Command::ChangeIcon, [&window] {
        const DocumentServices& services = window.services();
        EditorSession& session = window.session();
        if (auto change = icon_click(session, services.dialogs, services.boxes, services.store)) {
            // The window draws the entry from its icon file, now the chosen one.
            if (const ListEntry* entry = session.list.find(change->key)) {
                window.entryIcons().remember(QString::fromStdString(entry->iconPath),
                                             change->picture);
            }
        }
    });
}

}  // namespace velloran
