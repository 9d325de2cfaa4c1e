#include "base/qt_message_boxes.h"

#include <QMessageBox>

namespace velloran {
namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// Message texts join their lines with carriage return and line feed; Qt breaks at line feeds.
QString qtText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

}  // namespace

void QtMessageBoxes::message(Icon icon, const std::string& title, const std::string& text) {
    ask(icon, title, text, Buttons::Ok);
}

Answer QtMessageBoxes::ask(Icon icon, const std::string& title, const std::string& text,
                           Buttons buttons) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), qtText(text), qtButtons(buttons),
                    owner_.data());
    // Closing the box with Escape or its close button answers No where Cancel is not offered.
    if (buttons == Buttons::YesNo) box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

}  // namespace velloran
