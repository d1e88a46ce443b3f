#include "platform/KeyboardCapture.h"
#include "platform/linux/EvdevKeys.h"
#include "store/KeyTables.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>

#include <linux/input-event-codes.h>

Q_DECLARE_METATYPE(KeyRecord)

// Checks that a key pressed on Linux reaches the key editors as the record
// the Windows keyboard hook would give, and that the program's key code and
// name follow from it.
class TestKeyboardCapture : public QObject
{
    Q_OBJECT

private:
    struct Seen
    {
        quint32 scanCode;
        quint32 flags;
    };

    // A key as the display server delivers it to the window.
    static void sendKey(QWindow *window, QEvent::Type type, quint32 evdev, bool repeat = false,
                        int key = Qt::Key_unknown, const QString &text = QString())
    {
        QKeyEvent event(type, key, Qt::NoModifier, evdev + 8, 0, 0, text, repeat);
        QCoreApplication::sendEvent(window, &event);
    }

private slots:
    // Every key the key tables name, from the physical key named in the
    // input layer's own constants to the make code and extended flag that
    // a PC keyboard sends for it.
    void everyNamedKey_data()
    {
        QTest::addColumn<quint32>("evdev");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QString>("name");

        auto row = [](const char *name, quint32 evdev, quint32 scan, bool extended = false) {
            QTest::addRow("%s", name) << evdev << scan << extended << QString::fromUtf8(name);
        };
        row("Esc", KEY_ESC, 0x01);
        row("1", KEY_1, 0x02);
        row("2", KEY_2, 0x03);
        row("3", KEY_3, 0x04);
        row("4", KEY_4, 0x05);
        row("5", KEY_5, 0x06);
        row("6", KEY_6, 0x07);
        row("7", KEY_7, 0x08);
        row("8", KEY_8, 0x09);
        row("9", KEY_9, 0x0A);
        row("0", KEY_0, 0x0B);
        row("-", KEY_MINUS, 0x0C);
        row("=", KEY_EQUAL, 0x0D);
        row("Backspace", KEY_BACKSPACE, 0x0E);
        row("Tab", KEY_TAB, 0x0F);
        row("Q", KEY_Q, 0x10);
        row("W", KEY_W, 0x11);
        row("E", KEY_E, 0x12);
        row("R", KEY_R, 0x13);
        row("T", KEY_T, 0x14);
        row("Y", KEY_Y, 0x15);
        row("U", KEY_U, 0x16);
        row("I", KEY_I, 0x17);
        row("O", KEY_O, 0x18);
        row("P", KEY_P, 0x19);
        row("[", KEY_LEFTBRACE, 0x1A);
        row("]", KEY_RIGHTBRACE, 0x1B);
        row("Enter", KEY_ENTER, 0x1C);
        row("LCtr", KEY_LEFTCTRL, 0x1D);
        row("A", KEY_A, 0x1E);
        row("S", KEY_S, 0x1F);
        row("D", KEY_D, 0x20);
        row("F", KEY_F, 0x21);
        row("G", KEY_G, 0x22);
        row("H", KEY_H, 0x23);
        row("J", KEY_J, 0x24);
        row("K", KEY_K, 0x25);
        row("L", KEY_L, 0x26);
        row(";", KEY_SEMICOLON, 0x27);
        row("'", KEY_APOSTROPHE, 0x28);
        row("`", KEY_GRAVE, 0x29);
        row("LShift", KEY_LEFTSHIFT, 0x2A);
        row("\\", KEY_BACKSLASH, 0x2B);
        row("Z", KEY_Z, 0x2C);
        row("X", KEY_X, 0x2D);
        row("C", KEY_C, 0x2E);
        row("V", KEY_V, 0x2F);
        row("B", KEY_B, 0x30);
        row("N", KEY_N, 0x31);
        row("M", KEY_M, 0x32);
        row(",", KEY_COMMA, 0x33);
        row(".", KEY_DOT, 0x34);
        row("/", KEY_SLASH, 0x35);
        row("RShift", KEY_RIGHTSHIFT, 0x36);
        row("Num *", KEY_KPASTERISK, 0x37);
        row("LAlt", KEY_LEFTALT, 0x38);
        row("Space", KEY_SPACE, 0x39);
        row("CapsLock", KEY_CAPSLOCK, 0x3A);
        row("F1", KEY_F1, 0x3B);
        row("F2", KEY_F2, 0x3C);
        row("F3", KEY_F3, 0x3D);
        row("F4", KEY_F4, 0x3E);
        row("F5", KEY_F5, 0x3F);
        row("F6", KEY_F6, 0x40);
        row("F7", KEY_F7, 0x41);
        row("F8", KEY_F8, 0x42);
        row("F9", KEY_F9, 0x43);
        row("F10", KEY_F10, 0x44);
        row("Num Lock", KEY_NUMLOCK, 0x45, true);
        row("Scroll Lock", KEY_SCROLLLOCK, 0x46);
        row("Num 7", KEY_KP7, 0x47);
        row("Num 8", KEY_KP8, 0x48);
        row("Num 9", KEY_KP9, 0x49);
        row("Num -", KEY_KPMINUS, 0x4A);
        row("Num 4", KEY_KP4, 0x4B);
        row("Num 5", KEY_KP5, 0x4C);
        row("Num 6", KEY_KP6, 0x4D);
        row("Num +", KEY_KPPLUS, 0x4E);
        row("Num 1", KEY_KP1, 0x4F);
        row("Num 2", KEY_KP2, 0x50);
        row("Num 3", KEY_KP3, 0x51);
        row("Num 0", KEY_KP0, 0x52);
        row("Num De", KEY_KPDOT, 0x53);
        row("F11", KEY_F11, 0x57);
        row("F12", KEY_F12, 0x58);
        row("F13", KEY_F13, 0x64);
        row("F14", KEY_F14, 0x65);
        row("F15", KEY_F15, 0x66);
        row("F16", KEY_F16, 0x67);
        row("F17", KEY_F17, 0x68);
        row("F18", KEY_F18, 0x69);
        row("F19", KEY_F19, 0x6A);
        row("F20", KEY_F20, 0x6B);
        row("F21", KEY_F21, 0x6C);
        row("F22", KEY_F22, 0x6D);
        row("F23", KEY_F23, 0x6E);
        row("F24", KEY_F24, 0x76);
        row("Num Enter", KEY_KPENTER, 0x1C, true);
        row("RCtr", KEY_RIGHTCTRL, 0x1D, true);
        row("Num /", KEY_KPSLASH, 0x35, true);
        row("Print Screen", KEY_SYSRQ, 0x37, true);
        row("RAlt", KEY_RIGHTALT, 0x38, true);
        row("Home", KEY_HOME, 0x47, true);
        row("Up", KEY_UP, 0x48, true);
        row("Page Up", KEY_PAGEUP, 0x49, true);
        row("Left", KEY_LEFT, 0x4B, true);
        row("Right", KEY_RIGHT, 0x4D, true);
        row("End", KEY_END, 0x4F, true);
        row("Down", KEY_DOWN, 0x50, true);
        row("Page Down", KEY_PAGEDOWN, 0x51, true);
        row("Insert", KEY_INSERT, 0x52, true);
        row("Delete", KEY_DELETE, 0x53, true);
        row("Pause Break", KEY_PAUSE, 0x45);
        row("LWindows", KEY_LEFTMETA, 0x5B, true);
        row("RWindows", KEY_RIGHTMETA, 0x5C, true);
        row("App", KEY_COMPOSE, 0x5D, true);
    }

    void everyNamedKey()
    {
        QFETCH(quint32, evdev);
        QFETCH(quint32, scanCode);
        QFETCH(bool, extended);
        QFETCH(QString, name);

        KeyRecord record;
        QVERIFY(keyRecordFromEvdev(evdev, record));
        QCOMPARE(record.scanCode, scanCode);
        QCOMPARE(record.flags, extended ? kKeyExtended : 0u);
        QVERIFY(record.vkCode != 0);
        // Pressed and released, the key editors name the same key.
        QCOMPARE(keyName(keyCodeFromHook(record.scanCode, record.flags)), name);
        QCOMPARE(keyName(keyCodeFromHook(record.scanCode, record.flags | kKeyUp)), name);
    }

    // The macro recorder tells the right Alt key by its virtual key.
    void virtualKeys_data()
    {
        QTest::addColumn<quint32>("evdev");
        QTest::addColumn<quint32>("vkCode");
        QTest::addRow("right Alt") << quint32(KEY_RIGHTALT) << 0xA5u;
        QTest::addRow("left Alt") << quint32(KEY_LEFTALT) << 0xA4u;
        QTest::addRow("A") << quint32(KEY_A) << 0x41u;
        QTest::addRow("5") << quint32(KEY_5) << 0x35u;
        QTest::addRow("Delete") << quint32(KEY_DELETE) << 0x2Eu;
        QTest::addRow("Print Screen") << quint32(KEY_SYSRQ) << 0x2Cu;
    }

    void virtualKeys()
    {
        QFETCH(quint32, evdev);
        QFETCH(quint32, vkCode);
        KeyRecord record;
        QVERIFY(keyRecordFromEvdev(evdev, record));
        QCOMPARE(record.vkCode, vkCode);
    }

    void keysWithoutACode()
    {
        KeyRecord record;
        record.scanCode = 0x77;
        QVERIFY(!keyRecordFromEvdev(KEY_MUTE, record));
        QVERIFY(!keyRecordFromEvdev(KEY_PLAYPAUSE, record));
        QVERIFY(!keyRecordFromEvdev(0, record));
        QCOMPARE(record.scanCode, 0x77u);
    }

    // Key-up and Alt-down flags as the hook sets them, auto-repeat as the
    // hook sees it, and nothing before start() or after stop().
    void eventsWhileStarted()
    {
        QLineEdit edit;
        edit.show();
        edit.activateWindow();
        edit.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QWindow *window = edit.windowHandle();

        QVector<Seen> seen;
        KeyboardCapture *capture = KeyboardCapture::create(&edit);
        connect(capture, &KeyboardCapture::keyEvent, this, [&seen](KeyRecord &r) {
            seen.append({r.scanCode, r.flags});
        });

        sendKey(window, QEvent::KeyPress, KEY_A);
        QVERIFY(seen.isEmpty());
        QVERIFY(!capture->isActive());

        QVERIFY(capture->start(&edit));
        QVERIFY(capture->isActive());
        sendKey(window, QEvent::KeyPress, KEY_LEFTALT);
        sendKey(window, QEvent::KeyPress, KEY_A);
        sendKey(window, QEvent::KeyRelease, KEY_A, true); // auto-repeat pair
        sendKey(window, QEvent::KeyPress, KEY_A, true);
        sendKey(window, QEvent::KeyRelease, KEY_A);
        sendKey(window, QEvent::KeyRelease, KEY_LEFTALT);
        sendKey(window, QEvent::KeyPress, KEY_RIGHTALT);
        sendKey(window, QEvent::KeyRelease, KEY_RIGHTALT);
        sendKey(window, QEvent::KeyPress, KEY_DELETE);
        sendKey(window, QEvent::KeyRelease, KEY_DELETE);
        sendKey(window, QEvent::KeyPress, KEY_MUTE);
        // Keys are seen, not swallowed: the focused line edit still types.
        sendKey(window, QEvent::KeyPress, KEY_X, false, Qt::Key_X, QStringLiteral("x"));
        QCOMPARE(edit.text(), QStringLiteral("x"));
        capture->stop();
        QVERIFY(!capture->isActive());
        sendKey(window, QEvent::KeyPress, KEY_B);

        const QVector<QPair<quint32, quint32>> expected = {
            {0x38, 0x20}, {0x1E, 0x20}, {0x1E, 0x20}, {0x1E, 0xA0}, {0x38, 0x80},
            {0x38, 0x21}, {0x38, 0x81}, {0x53, 0x01}, {0x53, 0x81}, {0x2D, 0x00},
        };
        QCOMPARE(seen.size(), expected.size());
        for (int i = 0; i < seen.size(); ++i) {
            QCOMPARE(seen[i].scanCode, expected[i].first);
            QCOMPARE(seen[i].flags, expected[i].second);
        }
    }
};

QTEST_MAIN(TestKeyboardCapture)
#include "tst_keyboardcapture.moc"
