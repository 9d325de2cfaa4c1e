// Fuzz target of the event script parser shared by the dry run and the replay: any text must be
// read or refused with a message naming its line, and what is read must keep the script's rules.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

#include "engine/dry_run_script.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "dry_run_script_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto script = velloran::parseDryRunScript(text);
    if (!script.ok()) {
        const auto& message = script.error().description;
        const bool named = message.starts_with("line ") || message == "no \"T end\" item";
        if (!named) fail("an error that names no line");
        return 0;
    }
    const velloran::DryRunScript& s = script.value();
    long long last = 0;
    std::set<std::pair<int, int>> down;
    for (const auto& e : s.events) {
        if (e.time < last || e.time > s.end) fail("an event out of time order");
        last = e.time;
        if (e.device < 1 || e.device > static_cast<int>(s.devices.size())) fail("no such device");
        const auto& device = s.devices[static_cast<std::size_t>(e.device - 1)];
        if (e.button < 1 || e.button > device.buttonCount) fail("no such button");
        const bool wasDown = !down.insert({e.device, e.button}).second;
        if (e.down == wasDown) fail("a button pressed twice or released while up");
        if (!e.down) down.erase({e.device, e.button});
    }
    return 0;
}
