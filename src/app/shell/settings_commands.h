#pragma once
// The commands of the Tools menu and the toolbar that change settings: Options opens
// formOptions, Change Icon gives the selected configuration another picture.
namespace velloran {

class MainWindow;

// Applied preferences put their timings in force at once through the window; a new picture
// shows in the Configuration list and, for an open configuration, on its tab.
void registerSettingsCommands(MainWindow& window);

}  // namespace velloran
