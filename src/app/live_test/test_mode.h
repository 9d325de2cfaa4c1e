#pragma once
// The test mode of the main window (Command::Test): Test_Mappings with a key output opened for
// the test and closed after it, the process priority and the real clock; while the test runs,
// Timer1 runs one poll pass every 10 ms and FormTest lists the keys that reach it.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "base/clock.h"
#include "base/process_priority.h"
#include "devices/editor_devices.h"
#include "keys/recording_output.h"
#include "live_test/form_test.h"
#include "live_test/key_output_factory.h"
#include "engine/mapping_engine.h"
#include "live_test/window_engine_view.h"

namespace velloran {

class MainWindow;
class WindowKeyDecoder;

struct TestModeParts {
    EditorDevices& devices;
    KeyOutputFactory openOutput;
    ProcessPriority& priority;
    Clock& clock;
    QString testOutputMirror;  // the file FormTest's lines are mirrored to ("" for none)
};

class TestMode final : public QObject {
    Q_OBJECT
public:
    static constexpr int kPassIntervalMs = 10;

    TestMode(MainWindow& window, WindowKeyDecoder& decoder, TestModeParts parts);
    ~TestMode() override;

    // Test_Mappings: starts the test when none runs, else stops it.
    void toggle();
    bool running() const { return engine_ != nullptr; }
    // Puts timings in force in the running test (from the next rule applied); without a test
    // they are read from the settings when the next one starts.
    void setTimings(const EngineTimings& timings);

    const MappingEngine* engine() const { return engine_.get(); }
    FormTest* testOutput() const { return form_.data(); }
    QTimer& timer1() { return timer1_; }

signals:
    void started();
    void stopped();

private:
    void start(OpenedKeyOutput output, std::unique_ptr<MappingEngine> engine);
    void stop();
    void pass();
    void showTestOutput();

    MainWindow& window_;
    WindowKeyDecoder& decoder_;
    TestModeParts parts_;
    WindowEngineView view_;
    // The engine's output while none could be opened: the test refuses to start then.
    RecordingOutput unsent_;
    QTimer timer1_;
    OpenedKeyOutput output_;
    std::unique_ptr<MappingEngine> engine_;
    EngineTimings windowTimings_;  // the main window's timings when last applied to the test
    QPointer<FormTest> form_;
};

}  // namespace velloran
