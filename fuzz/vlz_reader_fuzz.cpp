// Fuzz target of the configuration file reader: any bytes must load or fail cleanly, and what
// loads must survive a save and a reload.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/version.h"
#include "file_format/configuration_file.h"
#include "devices/device_inventory.h"

namespace {

using velloran::LoadedConfiguration;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "vlz_reader_fuzz: %s\n", what);
    std::abort();
}

// A device whose identity fuzzed files can match, so that the active/inactive marking runs too.
const velloran::DeviceInventory& devices() {
    static const velloran::DeviceInventory inventory = [] {
        velloran::DeviceInventory d;
        d.add(velloran::DetectedDevice{velloran::DeviceKind::Joystick, 32, "dev", "Pad", -1});
        return d;
    }();
    return inventory;
}

// The first save may normalise what was read (trimmed descriptions, flag Tags as text); from
// then on saving and reading again must change nothing.
void checkRoundTrip(const LoadedConfiguration& loaded) {
    const std::string saved = velloran::serializeConfiguration(loaded.rows);
    const LoadedConfiguration reread = velloran::parseConfiguration(saved, devices());
    if (reread.failure) fail("a saved file does not load again");
    if (reread.obsolete || reread.version != velloran::fileVersionText()) {
        fail("a saved file is not current");
    }
    if (reread.rows.size() != loaded.rows.size()) fail("rows lost in a save and reload");
    for (std::size_t i = 0; i < reread.rows.size(); ++i) {
        if (reread.rows[i].text != loaded.rows[i].text) fail("button number changed");
    }
    if (velloran::serializeConfiguration(reread.rows) != saved) {
        fail("saving a reloaded file changes it");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LoadedConfiguration loaded = velloran::parseConfiguration(bytes, devices());
    if (!loaded.failure) checkRoundTrip(loaded);
    return 0;
}
