#pragma once
// "Virtual Devices": a small tool window, shown while a test runs, with one row of buttons per
// virtual game controller, so that the program can be tried without hardware. A button goes
// down on the mouse press and up on the release; SDL takes each change over at once, so a click
// shorter than a poll pass still reaches the test as a press and a release, in order.
//
// The layout is fixed (margins, a name column, then 16 buttons per line) so that the buttons
// sit at known places: button b of the first device is centred at
// (kNameWidth + kMargin + kSpacing + (b-1) * (kButtonWidth + kSpacing) + kButtonWidth / 2,
//  kMargin + kButtonHeight / 2) in the window, for b up to 16.
#include <QWidget>
#include <vector>

#include "sdl/virtual_joystick.h"

class QPushButton;

namespace velloran {

class VirtualDevicePanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 8;
    static constexpr int kSpacing = 4;
    static constexpr int kNameWidth = 120;
    static constexpr int kButtonWidth = 32;
    static constexpr int kButtonHeight = 28;
    static constexpr int kButtonsPerLine = 16;

    // The controllers outlive the panel.
    VirtualDevicePanel(std::vector<VirtualJoystick>& joysticks, QWidget* parent);

    // The button of a controller (0-based) and a button number (1-based), or nullptr.
    QPushButton* button(int device, int number) const;

protected:
    // Buttons still held when the panel goes away come up.
    void hideEvent(QHideEvent* event) override;

private:
    struct Key {
        QPushButton* button;
        int device;
        int number;
    };

    void set(const Key& key, bool down);

    std::vector<VirtualJoystick>& joysticks_;
    std::vector<Key> keys_;
};

}  // namespace velloran
