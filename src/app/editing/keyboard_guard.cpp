#include "editing/keyboard_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "editing/qt_virtual_keys.h"
#include "editing/recording_keyboard_guard.h"
#include "editing/window_key_decoder.h"
#include "shell/main_window.h"

namespace velloran {

KeyboardGuard::KeyboardGuard(MainWindow& window, WindowKeyDecoder& decoder, Grab grab)
    : window_(window), decoder_(decoder), grab_(std::move(grab)) {
    qApp->installEventFilter(this);
}

KeyboardGuard::~KeyboardGuard() {
    remove();
}

std::optional<int> KeyboardGuard::install() {
    if (installed_) return std::nullopt;
    if (const int error = grab_(window_, true)) return error;
    installed_ = true;
    return std::nullopt;
}

void KeyboardGuard::remove() {
    if (!installed_) return;
    installed_ = false;
    grab_(window_, false);
}

bool KeyboardGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    // Each key event reaches the main window's system window once, before any control.
    if (watched != window_.windowHandle()) return false;
    const EditorSession& session = window_.session();
    if (!session.recording && !session.testing) return false;

    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (installed_ && guard(key)) return true;
    if (type == QEvent::KeyPress) {
        decoder_.previewKeyDown(virtualKeyOf(key), modifierMask(key.modifiers()));
    }
    return false;
}

bool KeyboardGuard::guard(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    const GuardKeyEvent key{virtualKeyOf(event), held.testFlag(Qt::ShiftModifier),
                            held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier)};
    const GuardDecision decision = guardKeyEvent(key, decoder_);
    if (decision.action == GuardDecision::Action::Block) {
        window_.session().feedback = std::string(decision.feedback);
    }
    if (decision.swallowed()) decoder_.showChanges();
    return decision.swallowed();
}

}  // namespace velloran
