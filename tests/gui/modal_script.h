#pragma once
// Drives modal dialogs from a test: each step runs on the next dialog of type T that becomes
// the active modal widget, in order, and is expected to close it (a step that does not is
// rejected).
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

namespace velloran::testing {

template <class T>
class ModalScript {
public:
    using Step = std::function<void(T*)>;

    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    bool done() const { return steps_.empty(); }

private:
    void poll() {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == current_ || steps_.empty()) return;
        current_ = dialog;
        const Step step = steps_.front();
        steps_.pop_front();
        step(dialog);
        // A step that failed before closing its dialog must not leave the test waiting.
        if (dialog->isVisible()) dialog->reject();
    }

    std::deque<Step> steps_;
    QPointer<T> current_;
    QTimer timer_;
};

}  // namespace velloran::testing
