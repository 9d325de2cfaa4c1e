#pragma once
// The controls of the main window's client area and their layout: the Configuration list down
// the left side to the status bar; on the right the command buttons with the feedback line, the
// tab strip, the Mapping table filling the rest, and the device frame below it.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>

#include "table/mapping_table_view.h"
#include "editing/description_editor.h"
#include "shell/command_panel.h"
#include "shell/configuration_list_widget.h"
#include "shell/status_panels.h"
#include "shell/tab_strip_widget.h"

namespace velloran {

struct MainControls {
    ConfigurationListWidget* listView1 = nullptr;
    TabStripWidget* tabStrip1 = nullptr;
    MappingTableView* listView3 = nullptr;
    QGroupBox* frame1 = nullptr;
    QListWidget* listView2 = nullptr;  // the Device list
    QLineEdit* text1 = nullptr;        // the feedback line
    CommandPanel* commands = nullptr;
    StatusPanels* statusBar1 = nullptr;
};

// Builds the central widget and the status bar of `window`.
MainControls buildMainLayout(QMainWindow& window, CommandRouter& router);

}  // namespace velloran
