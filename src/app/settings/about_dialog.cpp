#include "settings/about_dialog.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/version.h"
#include "resources/icons.h"

namespace velloran {
namespace {

constexpr const char* kDescription =
    "Key-mapping editor for game controllers and HID button boards.";

constexpr const char* kDisclaimer =
    "This program is provided \"as is\", without warranty of any kind, express or implied. "
    "Keystrokes it sends go to whichever window has the focus; try a configuration in a "
    "harmless place before using it with other programs. The authors are not liable for any "
    "damage or loss arising from the use of this program.";

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QString versionText() {
    return QStringLiteral("Version %1.%2.%3 Beta")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

}  // namespace

QUrl supportMailUrl() {
    return QUrl(QStringLiteral("mailto:%1?subject=%2")
                    .arg(QLatin1String(kSupportAddress), QLatin1String(kProductName)));
}

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("formAbout"));
    setWindowTitle(QStringLiteral("About %1").arg(QLatin1String(kProductName)));

    auto* image = label(this, "Image1", QString());
    image->setPixmap(icons::application().pixmap(48, 48));
    image->setAlignment(Qt::AlignTop);

    QLabel* title = label(this, "lblTitle", QLatin1String(kProductName));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    QLabel* version = label(this, "lblVersion", versionText());
    QLabel* description = label(this, "lblDescription", QLatin1String(kDescription));
    description->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* disclaimer = new QPlainTextEdit(QLatin1String(kDisclaimer), this);
    disclaimer->setObjectName(QStringLiteral("Text1"));
    disclaimer->setReadOnly(true);
    disclaimer->setFixedHeight(96);

    QLabel* support =
        label(this, "Label1", QStringLiteral("<a href=\"mail\">%1</a>").arg(kSupportAddress));
    support->setTextFormat(Qt::RichText);
    support->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(support, &QLabel::linkActivated, this,
            [] { QDesktopServices::openUrl(supportMailUrl()); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(description);
    auto* head = new QHBoxLayout;
    head->addWidget(image);
    head->addSpacing(10);
    head->addLayout(text, 1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(support);
    foot->addStretch(1);
    foot->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(line);
    layout->addWidget(disclaimer);
    layout->addLayout(foot);
    setFixedWidth(420);
}

}  // namespace velloran
