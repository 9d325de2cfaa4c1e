#include "maintenance/qt_maintenance_choosers.h"

#include "maintenance/form_del.h"
#include "maintenance/form_replace.h"

namespace velloran {

DuplicateAnswer QtDuplicateChooser::chooseDuplicate(const MappingTable& table,
                                                    const std::vector<int>& group) {
    FormDel form(owner_, table, group);
    form.exec();
    return form.answer();
}

void QtDuplicateChooser::showBusy(bool busy) {
    if (!owner_) return;
    if (busy) {
        owner_->setCursor(Qt::WaitCursor);
    } else {
        owner_->unsetCursor();
    }
}

std::optional<int> QtDeviceChooser::chooseDevice(const DeviceInventory& devices) {
    FormReplace form(owner_, devices);
    form.exec();
    return form.choice();
}

}  // namespace velloran
