// Files dropped on the main window: the first one is loaded as a configuration.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "session/document_open.h"
#include "shell/main_window.h"

namespace velloran {
namespace {

std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    }
    return files;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!localFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::vector<std::string> files = localFiles(event->mimeData());
    if (files.empty()) return;
    event->acceptProposedAction();
    // The Configuration list takes no drop while a test runs; the window, the tabs and the
    // table take one always.
    const QWidget* target = childAt(event->position().toPoint());
    const bool onList =
        target && (target == controls_.listView1 || controls_.listView1->isAncestorOf(target));
    if (onList) {
        drop_files(session_, services_, files);
    } else {
        load_click(session_, services_, false, files.front());
    }
    Set_Button_States();
    showSession();
}

}  // namespace velloran
