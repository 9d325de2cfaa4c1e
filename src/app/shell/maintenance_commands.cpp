#include "shell/maintenance_commands.h"

#include "maintenance/add_devices.h"
#include "maintenance/del_devices.h"
#include "maintenance/qt_maintenance_choosers.h"
#include "maintenance/swap_devices.h"
#include "shell/main_window.h"

namespace velloran {
namespace {

void followUp(MainWindow& window, const MaintenanceOutcome& outcome) {
    if (outcome.commandStatesDue) window.Set_Button_States();
}

}  // namespace

void registerMaintenanceCommands(MainWindow& window) {
    CommandRouter& router = window.commands();
    router.setHandler(Command::RemoveItems, [&window] {
        QtDuplicateChooser chooser(&window);
        followUp(window, Del_Devices(window.session(), window.services().boxes, chooser));
    });
    router.setHandler(Command::AddDevices, [&window] {
        followUp(window, Add_Devices(window.session(), window.services().boxes));
    });
    router.setHandler(Command::ReplaceDevice, [&window] {
        QtDeviceChooser chooser(&window);
        const MaintenanceOutcome outcome =
            Swap_Devices(window.session(), window.services().boxes, chooser);
        window.unsetCursor();
        followUp(window, outcome);
    });
}

}  // namespace velloran
