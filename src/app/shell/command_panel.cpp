#include "shell/command_panel.h"

#include <QFrame>
#include <QHBoxLayout>

#include "resources/icons.h"
#include "shell/command_shortcuts.h"

namespace velloran {
namespace {

struct ButtonSetup {
    const char* name;
    const char* toolTip;
    Command command;
    QIcon (*picture)();
    const char* shortcut = nullptr;
};

QIcon recOff() {
    return icons::commandPicture(QStringLiteral("rec_off"));
}
QIcon testOff() {
    return icons::commandPicture(QStringLiteral("test_off"));
}

// Two groups: what works on the selected row, and what works on the whole table.
constexpr ButtonSetup kRowButtons[] = {
    {"ComRec", "Record key mapping", Command::Record, recOff, kRecordShortcut},
    {"ComClear", "Clear entire row", Command::ClearRow, icons::clearRow},
    {"ComClearItem", "Clear selected item", Command::ClearItem, icons::clearItem},
    {"ComTest", "Test mappings", Command::Test, testOff, kTestShortcut},
};
constexpr ButtonSetup kTableButtons[] = {
    {"ComDel", "Remove inactive & duplicate items from configuration list", Command::RemoveItems,
     icons::removeItems, kRemoveItemsShortcut},
    {"ComAdd", "Update missing input devices & buttons not in the configuration list",
     Command::AddDevices, icons::addDevices, kAddDevicesShortcut},
    {"ComSwap", "Replace selected input device", Command::ReplaceDevice, icons::replaceDevice,
     kReplaceDeviceShortcut},
};

}  // namespace

CommandPanel::CommandPanel(CommandRouter& router, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const auto add = [&](const ButtonSetup& setup) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(setup.name));
        QString tip = QString::fromLatin1(setup.toolTip);
        if (setup.shortcut) {
            const QKeySequence keys(QString::fromLatin1(setup.shortcut));
            b->setShortcut(keys);
            tip += QStringLiteral(" (%1)").arg(keys.toString(QKeySequence::NativeText));
        }
        b->setToolTip(tip);
        b->setIcon(setup.picture());
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(false);
        // Nothing is open yet: the command states turn them on with a configuration.
        b->setEnabled(false);
        const Command command = setup.command;
        connect(b, &QToolButton::clicked, &router, [&router, command] { router.trigger(command); });
        layout->addWidget(b);
    };
    for (const ButtonSetup& setup : kRowButtons) add(setup);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addSpacing(4);
    layout->addWidget(divider);
    layout->addSpacing(4);
    for (const ButtonSetup& setup : kTableButtons) add(setup);
    // Record mode toggles by keyboard too: the menus are locked while recording, and every key
    // that reaches the window is a key to record, but a shortcut is taken before either.
    button(QStringLiteral("ComRec"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    recPicture_ = QStringLiteral("rec_off");
    testPicture_ = QStringLiteral("test_off");
}

QToolButton* CommandPanel::button(const QString& name) const {
    return findChild<QToolButton*>(name, Qt::FindDirectChildrenOnly);
}

void CommandPanel::setRecPicture(const QString& key) {
    recPicture_ = key;
    button(QStringLiteral("ComRec"))->setIcon(icons::commandPicture(key));
}

void CommandPanel::setTestPicture(const QString& key) {
    testPicture_ = key;
    button(QStringLiteral("ComTest"))->setIcon(icons::commandPicture(key));
}

}  // namespace velloran
