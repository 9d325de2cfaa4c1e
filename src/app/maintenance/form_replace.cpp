#include "maintenance/form_replace.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velloran {

FormReplace::FormReplace(QWidget* owner, const DeviceInventory& devices) : QDialog(owner) {
    setObjectName(QStringLiteral("formReplace"));
    setWindowTitle(QStringLiteral("Replace Device"));

    auto* frame = new QGroupBox(QStringLiteral("Select Input Device"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* label = new QLabel(QStringLiteral("Replace selected device with:"), frame);
    label->setObjectName(QStringLiteral("Label1"));
    combo_ = new QComboBox(frame);
    combo_->setObjectName(QStringLiteral("Combo1"));
    for (const DetectedDevice& d : devices.devices) {
        combo_->addItem(QString::fromStdString(d.displayName));
    }
    combo_->setCurrentIndex(devices.devices.empty() ? -1 : 0);
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(label);
    inFrame->addWidget(combo_);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ComOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("ComCancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        choice_ = combo_->currentIndex();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

}  // namespace velloran
