#include "upgrade_command.h"

#include "config/configuration_file.h"
#include "devices/device_inventory.h"
#include "exit_status.h"

namespace velloran::runvale {

namespace {

// "Title: text" on one line; the message's line breaks become blanks.
void printError(std::ostream& err, const Message& box) {
    std::string text;
    text.reserve(box.text.size());
    for (std::size_t i = 0; i < box.text.size(); ++i) {
        const char c = box.text[i];
        if (c == '\r' && i + 1 < box.text.size() && box.text[i + 1] == '\n') ++i;
        text += c == '\r' || c == '\n' ? ' ' : c;
    }
    err << box.title << ": " << text << '\n';
}

}  // namespace

int upgradeCommand(FileSystem& fs, const std::string& in, const std::string& out,
                   std::ostream& err) {
    const LoadedConfiguration loaded = loadConfiguration(fs, in, DeviceInventory{});
    if (loaded.failure) {
        printError(err, loaded.failure->box);
        return exitStatusFor(*loaded.failure);
    }
    if (const auto failure = saveConfiguration(fs, out, loaded.rows)) {
        printError(err, failure->box);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velloran::runvale
