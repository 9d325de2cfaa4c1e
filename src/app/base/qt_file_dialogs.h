#pragma once
// The core's file dialogs shown as QFileDialog.
#include <QPointer>
#include <QWidget>

#include "base/file_dialogs.h"

namespace velloran {

class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    // Dialogs opened later are modal over `owner`.
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

private:
    std::optional<std::string> run(const FileDialogRequest& request, bool save);

    QPointer<QWidget> owner_;
};

}  // namespace velloran
