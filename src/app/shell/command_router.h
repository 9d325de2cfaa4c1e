#pragma once
// The one entry point of every command: controls call trigger(), the window and the document
// layer register what each command does with setHandler(). A command without a handler does
// nothing.
#include <QObject>
#include <array>
#include <functional>

#include "shell/command.h"

namespace velloran {

class CommandRouter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    explicit CommandRouter(QObject* parent = nullptr) : QObject(parent) {}

    // Replaces the command's handler; an empty handler removes it.
    void setHandler(Command command, Handler handler);
    bool hasHandler(Command command) const;

    // Runs the command's handler, then asks for the command states where the command wants
    // them, then reports that the command is done.
    void trigger(Command command);

signals:
    void buttonStatesDue();
    // Every command, with or without a handler: the window shows what it changed.
    void commandFinished(Command command);

private:
    std::array<Handler, kCommandCount> handlers_{};
};

}  // namespace velloran
