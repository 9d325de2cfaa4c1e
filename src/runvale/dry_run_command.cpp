#include "dry_run_command.h"

#include "exit_status.h"
#include "loaded_table.h"
#include "engine/dry_run_warnings.h"

namespace velloran::runvale {

std::optional<DryRunScript> loadScript(FileSystem& fs, const std::string& eventsPath,
                                       std::ostream& err) {
    const Result<std::string> text = fs.readFile(eventsPath);
    if (!text) {
        err << eventsPath << ": " << text.error().description << std::endl;
        return std::nullopt;
    }
    Result<DryRunScript> script = parseDryRunScript(text.value());
    if (!script) {
        err << eventsPath << ": " << script.error().description << std::endl;
        return std::nullopt;
    }
    return std::move(script.value());
}

int dryRunCommand(FileSystem& fs, const std::string& eventsPath, const std::string& file,
                  const DryRunOptions& options, bool keyNames, std::ostream& out,
                  std::ostream& err) {
    const std::optional<DryRunScript> script = loadScript(fs, eventsPath, err);
    if (!script) return kExitFailed;
    const std::optional<MappingTable> table = loadTable(fs, file, err);
    if (!table) return kExitFailed;
    for (const std::string& warning : dryRunWarnings(*table, *script)) err << warning << '\n';
    err.flush();
    for (const SentBatch& batch : runDryRun(*table, *script, options)) {
        out << batchLine(batch, keyNames) << '\n';
    }
    out.flush();
    return kExitOk;
}

}  // namespace velloran::runvale
