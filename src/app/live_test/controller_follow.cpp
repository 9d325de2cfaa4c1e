#include "live_test/controller_follow.h"

#include <QMenu>
#include <QStatusBar>

#include "editing/table_events.h"

#include "engine/follow_controller.h"
#include "settings/setting_values.h"
#include "settings/settings_names.h"
#include "shell/main_window.h"

namespace velloran {

ControllerFollow::ControllerFollow(MainWindow& window, EditorDevices& devices)
    : window_(window),
      devices_(devices),
      action_(window.menus().tools->findChild<QAction*>(QStringLiteral("MNfollow"))) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ControllerFollow::tick);
    action_->setCheckable(true);
    SettingsStore& store = window_.services().store;
    action_->setChecked(
        isTrueText(store.GetString(Root::CurrentUser, kConfigKey, settings::kFollowController)));
    window_.commands().setHandler(Command::FollowController, [this] {
        window_.services().store.SaveString(Root::CurrentUser, kConfigKey,
                                            settings::kFollowController,
                                            booleanText(action_->isChecked()));
        setOn(action_->isChecked());
    });
    setOn(action_->isChecked());
}

ControllerFollow::~ControllerFollow() {
    window_.commands().setHandler(Command::FollowController, {});
}

void ControllerFollow::setOn(bool on) {
    reading_ = false;
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

bool ControllerFollow::mayRead() const {
    const EditorSession& session = window_.session();
    return !session.testing && !session.recording && session.currentKey != kBlankKey &&
           window_.isActiveWindow();
}

void ControllerFollow::tick() {
    if (!mayRead()) {
        reading_ = false;
        return;
    }
    const EngineDevices devices = devices_.engineDevices();
    if (!reading_) {
        // Presses made while reading was stopped are not followed.
        reading_ = true;
        startFollowing(devices);
        return;
    }
    MappingTable* table = window_.session().currentTable();
    if (!table) return;
    const std::optional<FollowedButton> followed = followPass(devices, *table);
    if (!followed) return;
    if (followed->row < 0) {
        window_.statusBar()->showMessage(QString::fromStdString(followed->status), 5000);
        return;
    }
    window_.statusBar()->clearMessage();
    window_.tableEvents().run(ListView3_Click);
    MappingTableView* view = window_.controls().listView3;
    const int column = std::max(view->currentCell().column, 0);
    view->setCurrentCell({followed->row, column});
    window_.showSession(MainWindow::TableChange::Looks);
}

}  // namespace velloran
