// Loading and saving through the file system, with the file errors each side reports.
#include "file_format/configuration_file.h"

#include "session/document_state.h"

namespace velloran {

namespace {

// Error 55: the program cannot go on safely with a file held open elsewhere.
Message applicationClosesBox(const RuntimeError& error) {
    Message box = fileIoErrorBox(error);
    box.text += kCrLf;
    box.text += kCrLf;
    box.text += "The application will now close.";
    return box;
}

LoadFailure readFailure(const RuntimeError& e) {
    using FollowUp = LoadFailure::FollowUp;
    switch (e.number) {
        case err::BadFileName:
        case err::FileNotFound:
        case err::PathNotFound:
            return LoadFailure{e, fileIoErrorBox(e), FollowUp::RemoveEntry, state::New};
        case err::DeviceIOError:
        case err::DeviceUnavailable:
        case err::PermissionDenied:
        case err::DiskNotReady:
        case err::PathFileAccessError:
            return LoadFailure{e, fileIoErrorBox(e), FollowUp::CloseConfiguration,
                               state::Unchanged};
        case err::FileAlreadyOpen:
            return LoadFailure{e, applicationClosesBox(e), FollowUp::UnloadMainWindow,
                               state::Unchanged};
        default:
            return LoadFailure{e, errorBox(e, ProcKind::Sub, "open_click"), FollowUp::None,
                               state::Unchanged};
    }
}

SaveFailure writeFailure(const RuntimeError& e) {
    switch (e.number) {
        case err::BadFileName:
        case err::FileNotFound:
        case err::DeviceIOError:
        case err::FileAlreadyExists:
        case err::DiskFull:
        case err::DeviceUnavailable:
        case err::PermissionDenied:
        case err::DiskNotReady:
        case err::PathFileAccessError:
        case err::PathNotFound:
            return SaveFailure{e, fileIoErrorBox(e)};
        case err::FileAlreadyOpen:
            return SaveFailure{e, applicationClosesBox(e), true};
        default:
            return SaveFailure{e, errorBox(e, ProcKind::Sub, "save_click")};
    }
}

}  // namespace

LoadedConfiguration loadConfiguration(FileSystem& fs, const std::string& path,
                                      const DeviceInventory& devices) {
    auto bytes = fs.readFile(path);
    if (bytes) return parseConfiguration(bytes.value(), devices);
    LoadedConfiguration out;
    LoadFailure failure = readFailure(bytes.error());
    out.state = failure.state;
    out.failure = std::move(failure);
    return out;
}

std::optional<SaveFailure> saveConfiguration(FileSystem& fs, const std::string& path,
                                             const std::vector<MappingRow>& rows) {
    if (auto e = fs.writeFileAtomically(path, serializeConfiguration(rows))) {
        return writeFailure(*e);
    }
    return std::nullopt;
}

}  // namespace velloran
