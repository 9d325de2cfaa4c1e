#pragma once
// The list-maintenance commands' dialogs shown modally over the main window: FormDel for each
// duplicate group of Remove Items, formReplace for Replace Device.
#include <QPointer>
#include <QWidget>

#include "maintenance/del_devices.h"
#include "maintenance/swap_devices.h"

namespace velloran {

class QtDuplicateChooser final : public DuplicateChooser {
public:
    explicit QtDuplicateChooser(QWidget* owner) : owner_(owner) {}

    DuplicateAnswer chooseDuplicate(const MappingTable& table,
                                    const std::vector<int>& group) override;
    // The hourglass over the owner only, so that FormDel keeps its normal pointer.
    void showBusy(bool busy) override;

private:
    QPointer<QWidget> owner_;
};

class QtDeviceChooser final : public DeviceChooser {
public:
    explicit QtDeviceChooser(QWidget* owner) : owner_(owner) {}

    std::optional<int> chooseDevice(const DeviceInventory& devices) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace velloran
