#pragma once
// Drives modal dialogs from a test: each step runs on the next dialog of type T that becomes
// the active modal widget, in order, and is expected to close it (a step that does not, say
// because a check in it failed, has its dialog rejected so the test goes on).
#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>

namespace velloran::testing {

template <class T>
class ModalScript {
public:
    explicit ModalScript(std::deque<std::function<void(T*)>> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialog == nullptr || steps_.empty()) return;
            const auto step = std::move(steps_.front());
            steps_.pop_front();
            step(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        timer_.start(10);
    }
    bool done() const { return steps_.empty(); }

private:
    std::deque<std::function<void(T*)>> steps_;
    QTimer timer_;
};

}  // namespace velloran::testing
