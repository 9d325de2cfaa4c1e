#pragma once
// The one interface through which the core shows message boxes and asks questions. The editor
// implements it with real dialogs, tests with scripted answers, runvale by recording.
#include <string>
#include <string_view>

#include "base/runtime_error.h"

namespace velloran {

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// Name of an icon as reports print it: "critical", "question", "exclamation", "information", "".
std::string_view iconName(Icon icon);

struct Message {
    Icon icon = Icon::None;
    std::string title;
    std::string text;
    Buttons buttons = Buttons::Ok;

    bool operator==(const Message&) const = default;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void message(Icon icon, const std::string& title, const std::string& text) = 0;
    virtual Answer ask(Icon icon, const std::string& title, const std::string& text,
                       Buttons buttons) = 0;

    void show(const Message& m) { message(m.icon, m.title, m.text); }
    Answer showAsk(const Message& m) { return ask(m.icon, m.title, m.text, m.buttons); }
};

// Where an error was trapped, for the common error box's suffix.
enum class ProcKind { Sub, Function };

// Line break of message texts.
inline constexpr std::string_view kCrLf = "\r\n";

// The common error box: title "ERROR", critical icon, text " 13  Type mismatch in sub open_click.".
Message errorBox(const RuntimeError& error, ProcKind kind, std::string_view procedure);

// A file error as the reader and writer report it: title "File IO Error", critical icon, the
// run-time's own description as text.
Message fileIoErrorBox(const RuntimeError& error);

}  // namespace velloran
