#pragma once
// formSplash: product name, version and maker, shown at start until 3 seconds have passed or a
// key is pressed, whichever comes first.
#include <QTimer>
#include <QWidget>

namespace velloran {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();

    static constexpr int kShowMs = 3000;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer timer2_;
};

}  // namespace velloran
