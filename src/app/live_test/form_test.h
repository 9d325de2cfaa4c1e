#pragma once
// FormTest, the "Test Output Window" shown while a test runs: the keys that reach it are listed
// in Text1, so the user sees what the test sends to the window that has the focus. Its first
// line names the keyboard layout the keys follow. Closing it
// deletes it (the test goes on); it closes itself when painted or given a key once no test runs.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

namespace velloran {

class FormTest final : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> testing;  // the testing flag
        // A key-down while testing (virtual-key code, modifier mask).
        std::function<void(std::uint16_t, int)> keyDown;
    };

    // `mirrorPath`, when not empty, names a file that always holds Text1's lines (a testing
    // aid: the output can be read without looking at the screen).
    FormTest(Hooks hooks, QString mirrorPath, QWidget* parent);

    // Text1 as the key decoder keeps it, lines separated by carriage return and line feed.
    const std::string& text() const { return text_; }
    // Replaces Text1, gives it the focus and scrolls to its last line.
    void setText(std::string text);
    // "Keyboard layout: German (X server)".
    void setLayoutLine(const std::string& line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void keyDown(const QKeyEvent& event);
    void closeUnlessTesting();
    void mirror() const;

    Hooks hooks_;
    QString mirrorPath_;
    std::string text_;
    QLabel* layoutLine_;
    QPlainTextEdit* text1_;
};

}  // namespace velloran
