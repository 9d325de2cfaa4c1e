#include "base/qt_trash.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace velloran {

std::optional<RuntimeError> QtTrash::moveToTrash(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return runtimeError(err::FileNotFound);
    if (file.moveToTrash()) return std::nullopt;
    return runtimeError(err::PathFileAccessError);
}

std::optional<RuntimeError> QtTrash::deletePermanently(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::remove(path, ec)) return std::nullopt;
    return ec ? runtimeErrorFromErrno(ec.value()) : runtimeError(err::FileNotFound);
}

}  // namespace velloran
