#pragma once
// Message boxes and questions of the core shown as modal QMessageBox dialogs.
#include <QPointer>
#include <QWidget>

#include "base/message_box.h"

namespace velloran {

class QtMessageBoxes final : public MessageBoxes {
public:
    // Boxes are modal over `owner` (or application-modal without one).
    explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    // Dialogs opened later are modal over `owner`.
    void setOwner(QWidget* owner) { owner_ = owner; }

    void message(Icon icon, const std::string& title, const std::string& text) override;
    Answer ask(Icon icon, const std::string& title, const std::string& text,
               Buttons buttons) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace velloran
