#pragma once
// formAbout: the program's title, version and disclaimer, and a mail link to support.
#include <QDialog>
#include <QUrl>

namespace velloran {

inline constexpr const char* kSupportAddress = "support@velloran.invalid";

// "mailto:<address>?subject=<title>".
QUrl supportMailUrl();

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* owner);
};

}  // namespace velloran
