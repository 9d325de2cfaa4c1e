#include "base/qt_trash.h"

#include <QFile>

namespace velloran {

std::optional<RuntimeError> QtTrash::moveToTrash(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return runtimeError(err::FileNotFound);
    if (file.moveToTrash()) return std::nullopt;
    return runtimeError(err::PathFileAccessError);
}

}  // namespace velloran
