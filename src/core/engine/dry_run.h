#pragma once
// A dry run: the engine plays a configuration on scripted device events (mapping/dry_run_script.h)
// with a virtual clock and a recording output, and tells what it would have sent.
//
// The clock starts at 0 with every lock key off. Passes start at 0, each next one at the later of
// its predecessor's start plus the poll interval and its predecessor's end; none starts after the
// end time. An event at T is applied in the first pass that starts at or after T. A pass visits
// the devices in order and their buttons in ascending order, several changes of one button in
// script order. Key holds advance the clock between the two batches of a step.
#include <functional>
#include <string>
#include <vector>

#include "engine/dry_run_script.h"
#include "keys/recording_output.h"
#include "table/mapping_table.h"

namespace velloran {

struct DryRunOptions {
    long long pollMs = 10;  // at least 1
    long long holdMs = 0;
    long long repeatMs = 500;
    long long rotaryMs = 35;
};

// Every batch sent, with its time in milliseconds.
std::vector<SentBatch> runDryRun(const MappingTable& table, const DryRunScript& script,
                                 const DryRunOptions& options);

// The same play through any output and clock (a replay: the real clock and a real key output).
// `clock` counts milliseconds from the script's 0. Before each pass `startPass` gets the pass's
// start time: it moves the clock there or waits for it, and returns false to end the play.
void playScript(const MappingTable& table, const DryRunScript& script, const DryRunOptions& options,
                KeyOutput& output, Clock& clock, const std::function<bool(double)>& startPass);

// One batch as a line: the time, then "+xx" for a key down and "-xx" for a key up, xx the scan
// code in two lowercase hexadecimal digits: "0 +2a +1e". With `keyNames`, the keys by name
// where they have one: "0 +SHIFT +A".
std::string batchLine(const SentBatch& batch, bool keyNames = false);

}  // namespace velloran
