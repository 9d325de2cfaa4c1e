#pragma once
// StatusBar1: two text panels sharing the width three to one.
#include <QLabel>
#include <QStatusBar>

namespace velloran {

class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent);

    // Panels are numbered 1 and 2.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    QLabel* panel(int panel) const;

private:
    QLabel* panels_[2];
};

}  // namespace velloran
