#include "base/qt_launcher.h"

#include <QProcess>
#include <QStringList>

#include "process/runner_lock.h"

namespace velloran {

bool QtLauncher::startDetached(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::string& workingFolder) {
    // Each argument reaches the program whole: a path with blanks needs no quoting.
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), args,
                                   QString::fromStdString(workingFolder));
}

bool QtLauncher::runnerPlays(const std::string& configuration) {
    return velloran::runnerPlays(configuration);
}

}  // namespace velloran
