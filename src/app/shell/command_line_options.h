#pragma once
// The editor's own options, taken off the command line before the rest of it names the
// configuration to open:
//   --virtual-devices "Name:buttons,..."   SDL virtual game controllers to try the program with
//   --test-output-log FILE                 a copy of the test output window's lines (testing aid)
//   --help
#include <QStringList>
#include <string>

namespace velloran {

struct EditorOptions {
    std::string virtualDevices;  // "" for none
    QString testOutputLog;       // "" for none
    QStringList arguments;       // the program's name and every argument that is not an option
    std::string error;           // an option without its value; "" when all is well
};

// Each option takes the next argument or the text after "=" as its value.
EditorOptions parseEditorOptions(const QStringList& arguments);

// Whether "--help" or "-h" is among the arguments (looked for before any window can open).
bool wantsHelp(int argc, const char* const* argv);
std::string editorUsage();

}  // namespace velloran
