#include "devices/virtual_device_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace velloran {

VirtualDevicePanel::VirtualDevicePanel(std::vector<VirtualJoystick>& joysticks, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus), joysticks_(joysticks) {
    setObjectName(QStringLiteral("VirtualDevices"));
    setWindowTitle(QStringLiteral("Virtual Devices"));
    // Keys the test sends go to the focused window; pressing a button here must not take it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    grid->setSpacing(kSpacing);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    int line = 0;
    for (int d = 0; d < static_cast<int>(joysticks_.size()); ++d) {
        const VirtualDeviceSetup& setup = joysticks_[static_cast<std::size_t>(d)].setup();
        auto* name = new QLabel(QString::fromStdString(setup.name), this);
        name->setFixedSize(kNameWidth, kButtonHeight);
        name->setToolTip(name->text());
        grid->addWidget(name, line, 0);
        for (int b = 1; b <= setup.buttons; ++b) {
            auto* button = new QPushButton(QString::number(b), this);
            button->setObjectName(QStringLiteral("VirtualButton_%1_%2").arg(d + 1).arg(b));
            button->setFixedSize(kButtonWidth, kButtonHeight);
            button->setFocusPolicy(Qt::NoFocus);
            const int slot = (b - 1) % kButtonsPerLine;
            grid->addWidget(button, line + (b - 1) / kButtonsPerLine, 1 + slot);
            const Key key{button, d, b};
            keys_.push_back(key);
            connect(button, &QPushButton::pressed, this, [this, key] { set(key, true); });
            connect(button, &QPushButton::released, this, [this, key] { set(key, false); });
        }
        line += (setup.buttons + kButtonsPerLine - 1) / kButtonsPerLine;
    }
}

QPushButton* VirtualDevicePanel::button(int device, int number) const {
    for (const Key& key : keys_) {
        if (key.device == device && key.number == number) return key.button;
    }
    return nullptr;
}

void VirtualDevicePanel::hideEvent(QHideEvent* event) {
    for (const Key& key : keys_) {
        if (!key.button->isDown()) continue;
        key.button->setDown(false);
        set(key, false);
    }
    QWidget::hideEvent(event);
}

void VirtualDevicePanel::set(const Key& key, bool down) {
    joysticks_[static_cast<std::size_t>(key.device)].setButton(key.number, down);
    // Taken over now, not at the next pass: a quick click still shows as a press and a release.
    updateVirtualJoysticks();
}

}  // namespace velloran
