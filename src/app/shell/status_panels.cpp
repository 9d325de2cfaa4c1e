#include "shell/status_panels.h"

namespace velloran {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // Texts never widen a panel: the width is shared by the stretch factors alone.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setContentsMargins(4, 0, 4, 0);
        panels_[i] = label;
    }
    // Stretch factors keep the panels at 75 % and 25 % of the width whatever their texts.
    addPermanentWidget(panels_[0], 3);
    addPermanentWidget(panels_[1], 1);
}

QLabel* StatusPanels::panel(int panel) const {
    return panels_[panel == 2 ? 1 : 0];
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    this->panel(panel)->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    return this->panel(panel)->text();
}

}  // namespace velloran
