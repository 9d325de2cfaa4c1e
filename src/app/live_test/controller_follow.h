#pragma once
// "Follow Controller" in the Tools menu: while it is on, no test or recording runs and the main
// window is active, the devices are read every few milliseconds and a pressed button selects and
// shows its row. Off by default; the choice is kept in the settings.
#include <QAction>
#include <QObject>
#include <QTimer>

#include "devices/editor_devices.h"

namespace velloran {

class MainWindow;

class ControllerFollow final : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 20;

    ControllerFollow(MainWindow& window, EditorDevices& devices);
    ~ControllerFollow() override;

    QTimer& timer() { return timer_; }
    // Whether the last tick read the devices.
    bool reading() const { return reading_; }

private:
    void setOn(bool on);
    bool mayRead() const;
    void tick();

    MainWindow& window_;
    EditorDevices& devices_;
    QAction* action_;
    QTimer timer_;
    bool reading_ = false;
};

}  // namespace velloran
