#include "base/qt_file_dialogs.h"

#include <QFileDialog>

#include "base/file_filter.h"

namespace velloran {

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return run(request, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return run(request, true);
}

std::optional<std::string> QtFileDialogs::run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(owner_.data(), QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);

    const QtFileFilter filter = toQtFilter(request.filter, request.filterIndex);
    if (!filter.nameFilters.isEmpty()) dialog.setNameFilters(filter.nameFilters);
    if (!filter.selected.isEmpty()) dialog.selectNameFilter(filter.selected);
    if (!request.folder.empty()) dialog.setDirectory(QString::fromStdString(request.folder));
    // The dialog's own suffix keeps its overwrite question about the file really written.
    if (!request.defaultSuffix.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (!request.initialName.empty())
        dialog.selectFile(QString::fromStdString(request.initialName));

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace velloran
