#pragma once
// Form1, the main window: the Configuration list, the tabs and Mapping table of the open
// configurations, the device list, the command buttons, toolbar and menus. It shows the core's
// state and routes every control to its command through commands().
#include <QMainWindow>
#include <memory>
#include <unordered_map>

#include "base/file_dialogs.h"
#include "base/message_box.h"
#include "config/init_listview.h"
#include "config/table_dictionary.h"
#include "devices/device_inventory.h"
#include "shell/command_router.h"
#include "shell/command_states.h"
#include "shell/main_layout.h"
#include "shell/menus.h"

namespace velloran {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(MessageBoxes& boxes, FileDialogs& files, QWidget* parent = nullptr);
    ~MainWindow() override;

    CommandRouter& commands() { return router_; }
    MessageBoxes& messageBoxes() { return boxes_; }
    FileDialogs& fileDialogs() { return files_; }

    const MainControls& controls() const { return controls_; }
    const MenuSet& menus() const { return menus_; }
    DescriptionEditor& descriptionEditor() { return *descriptionEditor_; }

    // The table dictionary and the detected devices the tables are built from.
    TableDictionary& tables() { return tables_; }
    DeviceInventory& devices() { return devices_; }

    // The model of a table of the dictionary, made on first use. Drop it before the table goes.
    MappingTableModel& tableModel(const MappingTable& table);
    void dropTableModel(const MappingTable& table);
    // Shows `table` in ListView3 (one table is visible at a time).
    void showTable(const MappingTable& table);
    // Applies what init_listview asks of the window's controls.
    void applyTableEffects(const TableControlEffects& effects);

    // Recomputes which commands are offered from the controls' state and applies the result.
    void Set_Button_States();
    ButtonStateInputs buttonStateInputs() const;
    // What the controls offer now; entries that the rules leave alone keep these values.
    CommandStates commandStates() const;
    void applyButtonStates(const ButtonStatesUpdate& update);

    // Context menus at a screen position, when enabled.
    void popupListMenu(const QPoint& globalPos);
    void popupTableMenu(const QPoint& globalPos);

private:
    void registerShellCommands();
    void connectContextMenus();

    MessageBoxes& boxes_;
    FileDialogs& files_;
    CommandRouter router_;
    MenuSet menus_;
    MainControls controls_;
    std::unique_ptr<DescriptionEditor> descriptionEditor_;
    TableDictionary tables_;
    DeviceInventory devices_;
    std::unordered_map<const MappingTable*, std::unique_ptr<MappingTableModel>> models_;
};

}  // namespace velloran
