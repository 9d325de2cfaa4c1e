#include "base/session_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace velloran {

std::string withSlash(const QString& folder) {
    std::string s = QDir::cleanPath(folder).toStdString();
    if (!s.ends_with('/')) s += '/';
    return s;
}

SessionPaths qtSessionPaths() {
    const QString program = QCoreApplication::applicationDirPath();
    SessionPaths paths;
    paths.dataFolder = withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    paths.assetFolder = withSlash(program + QStringLiteral("/../share"));
    paths.programFolder = withSlash(program);
    return paths;
}

}  // namespace velloran
