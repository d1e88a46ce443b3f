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
    // a PC keyboard sends for it; a name where the code alone does not say.
    void everyNamedKey_data()
    {
        QTest::addColumn<quint32>("evdev");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QString>("name");

        // Below F12 the input layer numbers a key by the PC keyboard's make
        // code, none extended but Num Lock (Pause Break has the plain 0x45).
        for (quint32 code = KEY_ESC; code <= KEY_F12; ++code) {
            if (code < 84 || code > KEY_102ND) // 84 unused, 85 and 86 unnamed
                QTest::addRow("evdev %u", code)
                    << code << code << (code == KEY_NUMLOCK) << QString();
        }
        // clang-format off
        const struct
        {
            quint32 evdev;
            quint32 scanCode;
            bool extended;
            const char *name;
        } others[] = {
            {KEY_F13, 0x64, false, "F13"}, {KEY_F14, 0x65, false, "F14"},
            {KEY_F15, 0x66, false, "F15"}, {KEY_F16, 0x67, false, "F16"},
            {KEY_F17, 0x68, false, "F17"}, {KEY_F18, 0x69, false, "F18"},
            {KEY_F19, 0x6A, false, "F19"}, {KEY_F20, 0x6B, false, "F20"},
            {KEY_F21, 0x6C, false, "F21"}, {KEY_F22, 0x6D, false, "F22"},
            {KEY_F23, 0x6E, false, "F23"}, {KEY_F24, 0x76, false, "F24"},
            {KEY_KPENTER, 0x1C, true, "Num Enter"}, {KEY_RIGHTCTRL, 0x1D, true, "RCtr"},
            {KEY_KPSLASH, 0x35, true, "Num /"}, {KEY_SYSRQ, 0x37, true, "Print Screen"},
            {KEY_RIGHTALT, 0x38, true, "RAlt"}, {KEY_HOME, 0x47, true, "Home"},
            {KEY_UP, 0x48, true, "Up"}, {KEY_PAGEUP, 0x49, true, "Page Up"},
            {KEY_LEFT, 0x4B, true, "Left"}, {KEY_RIGHT, 0x4D, true, "Right"},
            {KEY_END, 0x4F, true, "End"}, {KEY_DOWN, 0x50, true, "Down"},
            {KEY_PAGEDOWN, 0x51, true, "Page Down"}, {KEY_INSERT, 0x52, true, "Insert"},
            {KEY_DELETE, 0x53, true, "Delete"}, {KEY_PAUSE, 0x45, false, "Pause Break"},
            {KEY_LEFTMETA, 0x5B, true, "LWindows"}, {KEY_RIGHTMETA, 0x5C, true, "RWindows"},
            {KEY_COMPOSE, 0x5D, true, "App"}};
        // clang-format on
        for (const auto &key : others)
            QTest::addRow("%s", key.name)
                << key.evdev << key.scanCode << key.extended << QString::fromUtf8(key.name);
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
        const QString named = keyName(keyCodeFromHook(record.scanCode, record.flags));
        QVERIFY(!named.isEmpty());
        if (!name.isEmpty())
            QCOMPARE(named, name);
        QCOMPARE(keyName(keyCodeFromHook(record.scanCode, record.flags | kKeyUp)), named);
    }

    // The macro recorder tells the right Alt key by its virtual key; a key
    // without a code leaves the record as it was.
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
        QTest::addRow("Mute: no code") << quint32(KEY_MUTE) << 0u;
        QTest::addRow("Play/Pause: no code") << quint32(KEY_PLAYPAUSE) << 0u;
        QTest::addRow("0: no code") << 0u << 0u;
    }

    void virtualKeys()
    {
        QFETCH(quint32, evdev);
        QFETCH(quint32, vkCode);
        KeyRecord record;
        record.scanCode = 0x77;
        QCOMPARE(keyRecordFromEvdev(evdev, record), vkCode != 0);
        QCOMPARE(record.vkCode, vkCode);
        if (!vkCode)
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
