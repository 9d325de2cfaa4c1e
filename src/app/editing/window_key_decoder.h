#pragma once
// The key decoder's view of the editor: the mode flags and the current step column of the main
// window, the selected row of the current table as the recording cell, and the test output
// window while one is shown.
#include <QPointer>

#include "keys/kb_decode.h"
#include "live_test/form_test.h"

namespace velloran {

class MainWindow;

class WindowKeyDecoder final : public KeyDecodeHost {
public:
    explicit WindowKeyDecoder(MainWindow& window) : window_(window) {}

    // The test output window that decoded keys are listed in; null for none.
    void attachTestOutput(FormTest* form) { form_ = form; }
    FormTest* testOutput() const { return form_.data(); }

    // The main window's preview of a key-down: decoded while recording or testing.
    void previewKeyDown(std::uint16_t keyCode, int shiftMask);
    // A key-down of the test output window.
    void testOutputKeyDown(std::uint16_t keyCode, int shiftMask);
    // The main window draws what a decoded key changed.
    void showChanges();

    bool testOutputVisible() const override;
    bool recording() const override;
    bool testing() const override;
    int currentColumn() const override;
    std::string testOutputText() const override;

    void clearFeedback() override;
    void setTestOutput(std::string text) override;
    void writeStep(int column, const KeyStep& step) override;
    void markModified() override;

private:
    MainWindow& window_;
    QPointer<FormTest> form_;
};

}  // namespace velloran
