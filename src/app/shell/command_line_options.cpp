#include "shell/command_line_options.h"

#include <string_view>

namespace velloran {

EditorOptions parseEditorOptions(const QStringList& arguments) {
    EditorOptions options;
    const QString virtualDevices = QStringLiteral("--virtual-devices");
    const QString testOutputLog = QStringLiteral("--test-output-log");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name = argument;
        QString value;
        bool hasValue = false;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('=')); equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
            hasValue = true;
        }
        if (i == 0 || (name != virtualDevices && name != testOutputLog)) {
            options.arguments << argument;
            continue;
        }
        if (!hasValue) {
            if (i + 1 == arguments.size()) {
                options.error = name.toStdString() + " needs a value";
                return options;
            }
            value = arguments[++i];
        }
        if (name == virtualDevices) {
            options.virtualDevices = value.toStdString();
        } else {
            options.testOutputLog = value;
        }
    }
    return options;
}

bool wantsHelp(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

std::string editorUsage() {
    return "Usage: velloran [OPTIONS] [CONFIGURATION.vlz]\n"
           "\n"
           "Opens the editor, and the configuration file when one is named.\n"
           "\n"
           "Options:\n"
           "  --virtual-devices \"NAME:BUTTONS,...\"\n"
           "        attach SDL virtual game controllers (1 to 128 buttons each) before the\n"
           "        devices are detected, e.g. \"Demo Pad:12,Demo Board:32\"; while a test runs\n"
           "        the \"Virtual Devices\" window presses their buttons with the mouse\n"
           "  --test-output-log FILE\n"
           "        testing aid: keep FILE holding the lines of the test output window\n"
           "  -h, --help\n"
           "        show this text\n";
}

}  // namespace velloran
