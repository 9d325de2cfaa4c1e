#include "base/runtime_error.h"

#include <cerrno>

namespace velloran {

std::string_view errorDescription(int number) {
    switch (number) {
        case err::TypeMismatch: return "Type mismatch";
        case err::BadFileName: return "Bad file name or number";
        case err::FileNotFound: return "File not found";
        case err::FileAlreadyOpen: return "File already open";
        case err::DeviceIOError: return "Device I/O error";
        case err::FileAlreadyExists: return "File already exists";
        case err::DiskFull: return "Disk full";
        case err::InputPastEndOfFile: return "Input past end of file";
        case err::DeviceUnavailable: return "Device unavailable";
        case err::PermissionDenied: return "Permission denied";
        case err::DiskNotReady: return "Disk not ready";
        case err::PathFileAccessError: return "Path/File access error";
        case err::PathNotFound: return "Path not found";
        case err::CantUnloadDesignControl:
            return "Can't unload controls created at design time";
        case err::AutomationTypeNotSupported:
            return "Variable uses an Automation type not supported in Visual Basic";
        case err::CancelSelected: return "Cancel was selected.";
        case err::ElementNotFound: return "Element not found";
        case err::KeyNotUnique: return "Key is not unique in collection";
        case err::InvalidKey: return "Invalid key";
        default: return "";
    }
}

RuntimeError runtimeError(int number) {
    return RuntimeError{number, std::string(errorDescription(number))};
}

RuntimeError runtimeErrorFromErrno(int e) {
    switch (e) {
        case ENOENT: return runtimeError(err::FileNotFound);
        case ENOTDIR:
        case ELOOP: return runtimeError(err::PathNotFound);
        case ENAMETOOLONG:
        case EINVAL: return runtimeError(err::BadFileName);
        case EACCES:
        case EPERM: return runtimeError(err::PermissionDenied);
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return runtimeError(err::DiskFull);
        case EIO: return runtimeError(err::DeviceIOError);
        case ENXIO:
        case ENODEV: return runtimeError(err::DeviceUnavailable);
        case EBUSY:
        case ETXTBSY: return runtimeError(err::FileAlreadyOpen);
        case EEXIST: return runtimeError(err::FileAlreadyExists);
        default: return runtimeError(err::PathFileAccessError);  // EISDIR, EROFS, ...
    }
}

std::string numberText(long long n) {
    std::string text = n < 0 ? "" : " ";
    text += std::to_string(n);
    return text;
}

}  // namespace velloran
