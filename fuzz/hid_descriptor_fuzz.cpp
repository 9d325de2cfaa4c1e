// Fuzz target of the HID report descriptor parser: a broken or hostile board's descriptor must be
// refused or give a layout whose every button lies inside its report.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "report_descriptor.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "hid_descriptor_fuzz: %s\n", what);
    std::abort();
}

// The parser's bound: the kernel's largest report, plus the report ID byte.
constexpr std::size_t kLargestReport = 16384 + 1;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto layout = hidlink::parseReportDescriptor({data, size});
    if (!layout) return 0;
    if (layout->buttonCount < 0 || layout->buttonCount > 512) fail("button count out of range");
    for (const auto& [id, length] : layout->inputLengths) {
        if (length > kLargestReport) fail("report longer than the kernel sends");
        // A whole report of every ID carries all its buttons; one byte short of it must not be
        // read past its end.
        std::vector<std::uint8_t> report(length, 0xFF);
        if (layout->usesReportIds) report[0] = static_cast<std::uint8_t>(id);
        std::vector<std::uint8_t> state(512, 0);
        if (!hidlink::applyReport(*layout, report, state)) fail("a whole report is incomplete");
        for (const auto& field : layout->buttons) {
            if (field.reportId == id && state[static_cast<std::size_t>(field.button - 1)] != 1) {
                fail("a button of a report with every bit set is up");
            }
        }
        if (report.size() > 1) {
            report.pop_back();
            hidlink::applyReport(*layout, report, state);
        }
    }
    for (const auto& field : layout->buttons) {
        if (field.button < 1 || field.button > layout->buttonCount) fail("button number wrong");
        if (!layout->inputLengths.count(field.reportId)) fail("button in an unknown report");
    }
    return 0;
}
