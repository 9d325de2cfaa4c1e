#pragma once
// Reading and writing configuration files (.vlz): a version record, then one block of records
// per Mapping row. The reader accepts versions 1.4, 1.3, 1.2 and takes anything else as 1.1;
// the writer always writes the current version. Texts are Windows-1252 on disk, UTF-8 here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "base/message_box.h"
#include "table/mapping_table.h"
#include "devices/device_inventory.h"

namespace velloran {

// What the editor does after a failed load.
struct LoadFailure {
    enum class FollowUp {
        AskDeleteFile,       // a Yes/No question: Yes sets state 0, No state 2, then Delete runs
        RemoveEntry,         // state 2, then Delete runs without asking (entry removed, no file)
        CloseConfiguration,  // state 0, then Close runs
        UnloadMainWindow,    // the program closes through its normal shutdown
        None,                // state 0, nothing more
    };
    RuntimeError error;
    Message box;  // the box shown; for AskDeleteFile its buttons are Yes/No
    FollowUp followUp = FollowUp::None;
    int state = 0;  // entry state value set before the follow-up (for AskDeleteFile: the No value)
};

struct LoadedConfiguration {
    std::string version;            // as taken: "1.4", "1.3", "1.2" or "1.1"
    bool obsolete = false;          // the file is of an older version
    std::vector<Message> messages;  // boxes shown during the load, in order (not the failure)
    std::vector<MappingRow> rows;   // the rows read (the complete ones before a failure, if any)
    int state = 0;                  // entry state value after the load (the failure's, if any)
    std::optional<LoadFailure> failure;
};

// Reads a configuration from the file's bytes, marking rows against the detected devices.
// Fields are read as described in config/field_reader.h; blocks whose button number is not
// within 1..512 are dropped. Files of version 1.2 and 1.1 put their press key into "On Press 1"
// and (1.2) their release key into "On Release 1"; their other steps are "" with an Empty Tag.
LoadedConfiguration parseConfiguration(std::string_view bytes, const DeviceInventory& devices);

// Reads the file at `path`; a file that cannot be read becomes the matching failure.
LoadedConfiguration loadConfiguration(FileSystem& fs, const std::string& path,
                                      const DeviceInventory& devices);

// The bytes the writer produces for these rows (version "1.4", 74 records a row, CR LF after
// each). The flag records keep the kind of their Tag; an Empty Tag writes an empty line.
std::string serializeConfiguration(const std::vector<MappingRow>& rows);

struct SaveFailure {
    RuntimeError error;
    Message box;
    bool unloadMainWindow = false;  // error 55: the program closes
};

// Writes the rows to `path` durably: on failure the previous file is left as it was.
std::optional<SaveFailure> saveConfiguration(FileSystem& fs, const std::string& path,
                                             const std::vector<MappingRow>& rows);

}  // namespace velloran
