// Drawing the main window from the session.
#include <QAbstractButton>
#include <QHeaderView>

#include "shell/main_window.h"

namespace velloran {
namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr const char* kNoDevices = "No Input Devices Found.";

}  // namespace

void MainWindow::showSession(TableChange change) {
    const auto iconOf = [this](const ListEntry& entry) { return entryIcons_.of(entry); };
    controls_.listView1->showEntries(session_.list, iconOf);
    controls_.tabStrip1->showTabs(session_.tabs, [this](const std::string& key) {
        const ListEntry* entry = session_.list.find(key);
        return entry ? entryIcons_.of(*entry) : QIcon();
    });
    controls_.tabStrip1->setEnabled(session_.controls.tabStrip);

    CommandPanel& panel = *controls_.commands;
    const RowControls& rows = session_.controls;
    panel.button(QStringLiteral("ComDel"))->setEnabled(rows.comDel);
    panel.button(QStringLiteral("ComRec"))->setEnabled(rows.comRec);
    panel.button(QStringLiteral("ComSwap"))->setEnabled(rows.comSwap);
    panel.button(QStringLiteral("ComTest"))->setEnabled(rows.comTest);

    if (controls_.text1->text() != qt(session_.feedback))
        controls_.text1->setText(qt(session_.feedback));
    controls_.statusBar1->setPanelText(1, qt(session_.statusPanel1));
    controls_.statusBar1->setPanelText(2, qt(session_.statusPanel2));
    showDeviceList();

    switch (change) {
        case TableChange::Unknown:
            tableModel_->follow();
            break;
        case TableChange::Looks:
            tableModel_->looksChanged();
            break;
        case TableChange::None:
            break;
    }
    carryOutRequests();
}

void MainWindow::showDeviceList() {
    QStringList names;
    for (const DetectedDevice& device : session_.devices.devices) names << qt(device.displayName);
    if (names.isEmpty()) names << QLatin1String(kNoDevices);
    QListWidget& list = *controls_.listView2;
    bool same = list.count() == names.size();
    for (int i = 0; same && i < names.size(); ++i) same = list.item(i)->text() == names[i];
    if (same) return;
    list.clear();
    list.addItems(names);
}

void MainWindow::carryOutRequests() {
    if (session_.minimiseRequested) {
        session_.minimiseRequested = false;
        showMinimized();
    }
    if (session_.unloadRequested) {
        session_.unloadRequested = false;
        close();
    }
}

}  // namespace velloran
