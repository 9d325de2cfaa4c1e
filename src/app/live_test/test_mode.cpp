#include "live_test/test_mode.h"

#include "engine/test_mappings.h"
#include "editing/window_key_decoder.h"
#include "shell/main_window.h"

namespace velloran {

TestMode::TestMode(MainWindow& window, WindowKeyDecoder& decoder, TestModeParts parts)
    : window_(window),
      decoder_(decoder),
      parts_(std::move(parts)),
      view_(window),
      unsent_(parts_.clock) {
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kPassIntervalMs);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &TestMode::pass);
    window_.commands().setHandler(Command::Test, [this] { toggle(); });
    connect(&window_, &MainWindow::unloading, this, [this] {
        if (window_.session().testing) {
            toggle();
        } else if (running()) {
            stop();
        }
    });
}

TestMode::~TestMode() {
    window_.commands().setHandler(Command::Test, {});
    // The window's hooks point here.
    delete form_.data();
}

void TestMode::toggle() {
    EditorSession& session = window_.session();
    // A test can also end without this command (its configuration was closed).
    if (running() && !session.testing) stop();
    window_.setCursor(Qt::WaitCursor);
    const DocumentServices& services = window_.services();
    if (!session.testing) {
        OpenedKeyOutput opened = parts_.openOutput();
        // Without an output Test_Mappings says so and does not start: nothing is sent then.
        KeyOutput& output = opened.output ? *opened.output : unsent_;
        auto engine = std::make_unique<MappingEngine>(output, parts_.clock, view_,
                                                   EngineOptions{.stopAtRowCount = true});
        engine->setDevices(parts_.devices.engineDevices());
        const TestModeServices test{services.boxes, parts_.priority, services.store,
                                    opened.output != nullptr, opened.choice.reason};
        if (Test_Mappings(session, *engine, test) == TestToggle::Started) {
            start(std::move(opened), std::move(engine));
        }
    } else if (running()) {
        const TestModeServices test{services.boxes, parts_.priority, services.store, true, {}};
        if (Test_Mappings(session, *engine_, test) == TestToggle::Stopped) stop();
    }
    window_.unsetCursor();
}

void TestMode::setTimings(const EngineTimings& timings) {
    if (engine_) engine_->setTimings(timings);
}

void TestMode::start(OpenedKeyOutput output, std::unique_ptr<MappingEngine> engine) {
    output_ = std::move(output);
    engine_ = std::move(engine);
    windowTimings_ = window_.engineTimings();
    window_.controls().commands->setTestPicture(QStringLiteral("test_on"));
    window_.controls().listView3->setFocus();
    emit started();
    showTestOutput();
    timer1_.start();
    window_.Set_Button_States();
    window_.showSession();
}

void TestMode::stop() {
    timer1_.stop();
    if (form_) form_->close();
    decoder_.attachTestOutput(nullptr);
    engine_.reset();
    output_ = {};
    window_.controls().commands->setTestPicture(QStringLiteral("test_off"));
    window_.Set_Button_States();
    window_.showSession();
    emit stopped();
}

void TestMode::pass() {
    if (!window_.session().testing) {
        stop();
        return;
    }
    // Preferences applied during the test count from the next rule on.
    if (window_.engineTimings() != windowTimings_) {
        windowTimings_ = window_.engineTimings();
        engine_->setTimings(windowTimings_);
    }
    engine_->MyDXCallback();
}

void TestMode::showTestOutput() {
    FormTest::Hooks hooks{
        [this] { return window_.session().testing; },
        [this](std::uint16_t key, int shiftMask) { decoder_.testOutputKeyDown(key, shiftMask); }};
    auto* form = new FormTest(std::move(hooks), parts_.testOutputMirror, &window_);
    form->setLayoutLine(output_.layout);
    // Over the lower right corner of the table, where it hides the least.
    const QRect main = window_.geometry();
    form->move(main.right() - form->width() - 24, main.bottom() - form->height() - 120);
    form->show();
    form->activateWindow();
    form_ = form;
    decoder_.attachTestOutput(form);
}

}  // namespace velloran
