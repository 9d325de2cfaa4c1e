#pragma once
// The command buttons of the Mapping table (ComRec ... ComSwap). ComRec and ComTest also carry
// the recording and testing flags, as their Tags.
#include <QToolButton>
#include <QWidget>

#include "shell/command_router.h"

namespace velloran {

class CommandPanel : public QWidget {
    Q_OBJECT
public:
    CommandPanel(CommandRouter& router, QWidget* parent);

    QToolButton* button(const QString& name) const;

    // The Tags of ComRec and ComTest.
    bool recording = false;
    bool testing = false;

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
