#pragma once
// The program's pictures, by the role they play: the image lists of the main window, the pictures
// of the command buttons and the program icon. Every picture is drawn from the SVG resources.
#include <QIcon>
#include <QString>

namespace velloran::icons {

// ImageList3: the menu and toolbar pictures 1..11 (Open, New, Load, Save, Save As, Clone,
// Delete, Change Icon, Close, Refresh Device List, Run) and the step-header images 12 (not the
// current column), 13 (current while recording) and 14 (current, not recording).
QIcon menuPicture(int index);
inline constexpr int kStepHeaderIdle = 12;
inline constexpr int kStepHeaderRecording = 13;
inline constexpr int kStepHeaderCurrent = 14;

// ImageList2 by key: "rec_on", "rec_off", "test_on", "test_off". Unknown keys give a null icon.
QIcon commandPicture(const QString& key);

// ImageList4: the row icon, 1 idle, 2 while the row's button is held during a test.
QIcon rowIcon(int image);

// The configuration picture, which is the configuration file type's icon (ImageList1 and
// ImageList1b): the picture of configuration files and of entries without an icon file.
QIcon defaultConfiguration();

// Pictures of the remaining command buttons and of the toolbar's Help button.
QIcon clearRow();
QIcon clearItem();
QIcon removeItems();
QIcon addDevices();
QIcon replaceDevice();
QIcon help();

QIcon application();

}  // namespace velloran::icons
