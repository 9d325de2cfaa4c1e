#include "shell/splash_window.h"

#include <QGridLayout>
#include <QLabel>

#include "base/version.h"
#include "resources/icons.h"

namespace velloran {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The product name drawn over a copy of itself a little down and right.
QWidget* productName(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* layout = new QGridLayout(holder);
    layout->setContentsMargins(0, 0, 3, 3);
    const QString title = QLatin1String(kProductName);
    QLabel* shadow = label(holder, "lblProductNameShadow", title);
    QLabel* name = label(holder, "lblProductName", title);
    for (QLabel* l : {shadow, name}) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 3);
        f.setBold(true);
        l->setFont(f);
    }
    shadow->setStyleSheet(QStringLiteral("color: #8C96A5;"));
    name->setStyleSheet(QStringLiteral("color: #2E3F57;"));
    shadow->setContentsMargins(3, 3, 0, 0);
    layout->addWidget(shadow, 0, 0);
    layout->addWidget(name, 0, 0);
    return holder;
}

}  // namespace

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("formSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setStyleSheet(
        QStringLiteral("#formSplash { background: #F5F7FA; border: 2px solid #2E3F57; }"));
    setAttribute(Qt::WA_StyledBackground);

    auto* image = label(this, "imgLogo", QString());
    image->setPixmap(icons::application().pixmap(64, 64));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(productName(this), 0, 1);
    layout->addWidget(label(this, "lblVersion",
                            QStringLiteral("Version %1.%2.%3 Beta")
                                .arg(kVersionMajor)
                                .arg(kVersionMinor)
                                .arg(kVersionRevision)),
                      1, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(20);
    layout->addWidget(label(this, "lblPlatform", QStringLiteral("Linux")), 3, 1);
    layout->addWidget(label(this, "lblCompany", QLatin1String(kCompanyName)), 4, 1);
    layout->addWidget(
        label(this, "lblCopyright", QStringLiteral("Copyright \u00A9 %1").arg(kCompanyName)), 5, 1);
    setFixedSize(440, 240);

    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setSingleShot(true);
    timer2_.setInterval(kShowMs);
    connect(&timer2_, &QTimer::timeout, this, &QWidget::close);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer2_.start();
    activateWindow();
    setFocus();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    close();
}

}  // namespace velloran
