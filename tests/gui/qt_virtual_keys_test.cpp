// Qt key events as virtual-key codes: the keys whose Qt name differs from the key (shifted
// punctuation, the keypad, Print Screen), and that every key of the key name table can be typed.
#include <QTest>
#include <set>

#include "editing/qt_virtual_keys.h"
#include "gui_test_main.h"
#include "keys/key_names.h"

using namespace velloran;

class QtVirtualKeysTest : public QObject {
    Q_OBJECT

private slots:
    void keysWhoseQtNameDiffersFromTheKey() {
        const struct {
            int key;
            Qt::KeyboardModifiers modifiers;
            int code;
        } rows[] = {
            {Qt::Key_Asterisk, Qt::ShiftModifier, 56},       // shifted 8
            {Qt::Key_Asterisk, Qt::KeypadModifier, 106},     // keypad *
            {Qt::Key_Enter, Qt::KeypadModifier, 108},        // keypad Enter
            {Qt::Key_Home, Qt::KeypadModifier, 36},          // keypad 7 with Num Lock off
            {Qt::Key_QuoteDbl, Qt::ShiftModifier, 222},      // shifted quote
            {Qt::Key_Backtab, Qt::ShiftModifier, 9},         // shifted Tab
            {Qt::Key_Print, Qt::NoModifier, 44},             // the snapshot key
            {Qt::Key_Adiaeresis, Qt::NoModifier, 0},         // not on a US keyboard
        };
        for (const auto& row : rows) QCOMPARE(int(virtualKeyOf(row.key, row.modifiers)), row.code);
        QCOMPARE(modifierMask(Qt::ShiftModifier | Qt::AltModifier), 5);
        QCOMPARE(modifierMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
    }

    // Every named key but PRINT SCREEN (no keyboard sends its code) comes from some Qt key.
    void everyNamedKeyCanBeTyped() {
        std::set<int> typed;
        for (const auto& [first, last] : {std::pair{0x20, 0x7e}, {int(Qt::Key_Escape), 0x010000ff}}) {
            for (int key = first; key <= last; ++key) {
                typed.insert(virtualKeyOf(key, Qt::NoModifier));
                typed.insert(virtualKeyOf(key, Qt::KeypadModifier));
            }
        }
        for (const KeyName& row : keyNames()) {
            if (row.code != 42) QVERIFY2(typed.count(row.code), row.name.data());
        }
    }
};

VELLORAN_GUI_TEST(QtVirtualKeysTest);
#include "qt_virtual_keys_test.moc"
