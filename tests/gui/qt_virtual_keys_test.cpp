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
    // The keys whose Qt name differs from the key they are on.
    void codes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        QTest::newRow("shifted 8") << int(Qt::Key_Asterisk) << false << 56;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << 106;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << 108;
        QTest::newRow("keypad home, Num Lock off") << int(Qt::Key_Home) << true << 36;
        QTest::newRow("quote") << int(Qt::Key_QuoteDbl) << false << 222;
        QTest::newRow("backtab") << int(Qt::Key_Backtab) << false << 9;
        QTest::newRow("print screen is the snapshot key") << int(Qt::Key_Print) << false << 44;
        QTest::newRow("not on a US keyboard") << int(Qt::Key_Adiaeresis) << false << 0;
    }
    void codes() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(int, code);
        const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        QCOMPARE(int(virtualKeyOf(key, modifiers | Qt::ShiftModifier)), code);
    }

    // Every named key but PRINT SCREEN (no keyboard sends its code) comes from some Qt key.
    void everyNamedKeyCanBeTyped() {
        std::set<int> typed;
        const auto collect = [&](int first, int last) {
            for (int key = first; key <= last; ++key) {
                for (auto modifiers : {Qt::NoModifier, Qt::KeypadModifier}) {
                    typed.insert(virtualKeyOf(key, modifiers));
                }
            }
        };
        collect(0x20, 0x7e);                  // Latin-1 keys
        collect(Qt::Key_Escape, 0x010000ff);  // function and navigation keys
        for (const KeyName& row : keyNames()) {
            if (row.code == 42) continue;
            QVERIFY2(typed.count(row.code), row.name.data());
        }
    }

    void modifierMask() {
        QCOMPARE(velloran::modifierMask(Qt::ShiftModifier | Qt::AltModifier), 5);
        QCOMPARE(velloran::modifierMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
    }
};

VELLORAN_GUI_TEST(QtVirtualKeysTest);
#include "qt_virtual_keys_test.moc"
