#pragma once
// The command buttons of the Mapping table (ComRec ... ComSwap). The recording and testing flags
// they stood for are the session's; ComRec and ComTest show them by their pictures.
#include <QToolButton>
#include <QWidget>

#include "shell/command_router.h"

namespace velloran {

class CommandPanel : public QWidget {
    Q_OBJECT
public:
    CommandPanel(CommandRouter& router, QWidget* parent);

    QToolButton* button(const QString& name) const;

    // ImageList2 pictures: "rec_on"/"rec_off" for ComRec, "test_on"/"test_off" for ComTest.
    void setRecPicture(const QString& key);
    void setTestPicture(const QString& key);
    QString recPicture() const { return recPicture_; }
    QString testPicture() const { return testPicture_; }

private:
    QString recPicture_;
    QString testPicture_;
};

}  // namespace velloran
