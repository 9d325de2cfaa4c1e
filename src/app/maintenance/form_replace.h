#pragma once
// formReplace: the detected devices by display name, the first one selected; OK chooses the
// selected one, Cancel or closing the dialog chooses none.
#include <QDialog>
#include <optional>

#include "devices/device_inventory.h"

class QComboBox;

namespace velloran {

class FormReplace : public QDialog {
    Q_OBJECT
public:
    FormReplace(QWidget* owner, const DeviceInventory& devices);

    // The 0-based index of the chosen device, or nullopt unless OK was pressed.
    std::optional<int> choice() const { return choice_; }

private:
    QComboBox* combo_;
    std::optional<int> choice_;
};

}  // namespace velloran
