#pragma once
// The main window's keyboard while recording or testing. Every key event of the main window
// passes an application event filter: key-downs are previewed by the key decoder. While the guard
// is installed (recording) the window holds the keyboard grab, so the desktop's window switching
// keys reach it too: CTRL + ESC, ALT + TAB and ALT + ESC are swallowed with a note in the
// feedback line, and the navigation keys, key-down and key-up alike, become Key steps instead of
// moving the table's selection. On Wayland, which gives no grab, the compositor is asked to pass
// its shortcuts to the window instead (window_keyboard_grab.h).
#include <QKeyEvent>
#include <QObject>
#include <functional>
#include <optional>

namespace velloran {

class MainWindow;
class WindowKeyDecoder;

class KeyboardGuard final : public QObject {
    Q_OBJECT
public:
    // Takes the keyboard for a window (on) or lets it go; 0, or the system error number when the
    // system refused.
    using Grab = std::function<int(QWidget& window, bool on)>;

    KeyboardGuard(MainWindow& window, WindowKeyDecoder& decoder, Grab grab);
    ~KeyboardGuard() override;

    // Grabs the keyboard; the system error number when that failed (nothing is guarded then).
    std::optional<int> install();
    // Lets the keyboard go; nothing happens when the guard is not installed.
    void remove();
    bool installed() const { return installed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the event is swallowed.
    bool guard(const QKeyEvent& event);

    MainWindow& window_;
    WindowKeyDecoder& decoder_;
    Grab grab_;
    bool installed_ = false;
};

}  // namespace velloran
