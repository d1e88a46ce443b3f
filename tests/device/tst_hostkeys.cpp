#include "device/HostActions.h"

#include "FakePrograms.h"
#include "XKeyRecorder.h"
#include "common/ScopedEnvironment.h"
#include "common/TestHome.h"

#include <QGuiApplication>
#include <QtTest>

#include <X11/XF86keysym.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>

// The key pulses as an X client sees them, under Xvfb (the test runs
// itself through xvfb-run): each key pressed and released, 50 ms apart,
// find as Ctrl down, F down, F up, Ctrl up.
namespace {

using Keys = QVector<QPair<unsigned long, bool>>; // keysym, press

Keys pulse(unsigned long keysym)
{
    return {{keysym, true}, {keysym, false}};
}

const Keys kFind = {{XK_Control_L, true}, {XK_f, true}, {XK_f, false}, {XK_Control_L, false}};

// The gap asked for is 50 ms; the server stamps events to the
// millisecond, and a busy machine may add to the wait but never take from it.
constexpr unsigned long kMinGapMs = 45;
constexpr unsigned long kMaxGapMs = 250;

QStringList describe(const Keys &keys)
{
    QStringList list;
    for (const auto &key : keys)
        list << XKeyRecorder::describe(key.first, key.second);
    return list;
}

// The server's core keymap, every keysym of every key code.
QVector<unsigned long> keymap()
{
    QVector<unsigned long> result;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return result;
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display, &minCode, &maxCode);
    int perCode = 0;
    const int count = maxCode - minCode + 1;
    if (KeySym *map = XGetKeyboardMapping(display, KeyCode(minCode), count, &perCode)) {
        for (int i = 0; i < count * perCode; ++i)
            result.append(map[i]);
        XFree(map);
    }
    XCloseDisplay(display);
    return result;
}

} // namespace

class TestHostKeys : public QObject
{
    Q_OBJECT

private:
    XKeyRecorder m_recorder;

    void expectPulses(const Keys &keys)
    {
        const QVector<RecordedKey> recorded = m_recorder.take();
        Keys seen;
        for (const RecordedKey &key : recorded)
            seen.append({key.keysym, key.press});
        QCOMPARE(describe(seen), describe(keys));
        for (int i = 1; i < recorded.size(); ++i) {
            const unsigned long gap = recorded[i].time - recorded[i - 1].time;
            QVERIFY2(gap >= kMinGapMs && gap <= kMaxGapMs,
                     qPrintable(QStringLiteral("gap %1 of %2 ms").arg(i).arg(gap)));
        }
    }

private slots:
    void initTestCase() { QVERIFY2(m_recorder.open(), "no X display"); }

    // The browser keys and find are pulsed by their codes (table()); the
    // mail key has none.
    void mailKey()
    {
        OpenMail(false);
        expectPulses(pulse(XF86XK_Mail));
    }

    void table_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("known");
        QTest::addColumn<Keys>("keys");

        QTest::addRow("0x20 back") << 0x20 << true << pulse(XF86XK_Back);
        QTest::addRow("0x21 forward") << 0x21 << true << pulse(XF86XK_Forward);
        QTest::addRow("0x22 stop") << 0x22 << true << pulse(XF86XK_Stop);
        QTest::addRow("0x23 refresh") << 0x23 << true << pulse(XF86XK_Refresh);
        QTest::addRow("0x24 find") << 0x24 << true << kFind;
        QTest::addRow("0x25 favorites") << 0x25 << true << pulse(XF86XK_Favorites);
        QTest::addRow("0x1E") << 0x1E << false << Keys();
        QTest::addRow("0x27") << 0x27 << false << Keys();
        QTest::addRow("0x00") << 0x00 << false << Keys();
        QTest::addRow("0xFF") << 0xFF << false << Keys();
    }

    void table()
    {
        QFETCH(int, code);
        QFETCH(bool, known);
        QFETCH(Keys, keys);

        // A keysym the keymap lacks (stop and refresh under Xvfb) is bound
        // for the pulse only: afterwards the desktop's keymap is as it was,
        // and the next pulse binds it again.
        const QVector<unsigned long> before = keymap();
        QVERIFY(!before.isEmpty());
        if (code == 0x22 || code == 0x23)
            QVERIFY2(!before.contains(keys.first().first), "the keymap already has the keysym");
        QCOMPARE(performHostAction(quint8(code)), known);
        expectPulses(keys);
        QCOMPARE(keymap(), before);
    }

    void noDisplay()
    {
        {
            ScopedEnvironment env({{"DISPLAY", QByteArray()}});
            QTest::ignoreMessage(QtDebugMsg, "no X display; the key events are not sent");
            QVERIFY(!BrowserBack());
            QTest::ignoreMessage(QtDebugMsg, "no X display; the key events are not sent");
            QVERIFY(!FindKeys());
        }
        expectPulses({});
    }

    // Without xdg-email the mail program is reached through a mailto: URL,
    // which Qt hands to xdg-open here.
    void mailWithoutXdgEmail()
    {
        TestHome home;
        const QString bin = home.path() + QStringLiteral("/bin");
        const QString started = home.path() + QStringLiteral("/started");
        QVERIFY(FakePrograms::writeRecorder(bin + QStringLiteral("/xdg-open"),
                                            QStringLiteral("xdg-open"), started));
        ScopedEnvironment env({{"PATH", QFile::encodeName(bin)},
                               {"XDG_CURRENT_DESKTOP", QByteArray()},
                               {"DESKTOP_SESSION", QByteArray()},
                               {"KDE_FULL_SESSION", QByteArray()}});

        OpenMail(true);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), 10000);
        QCOMPARE(FakePrograms::readRecord(started),
                 (QStringList{QStringLiteral("xdg-open"), QStringLiteral("1"),
                              QStringLiteral("mailto:")}));
        expectPulses({});
    }
};

// QTEST_MAIN would abort inside QGuiApplication without a display; say
// how the test is meant to be run instead.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "tst_hostkeys needs an X server: run it under xvfb-run -a\n");
        return 1;
    }
    TestHome home;
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    TestHostKeys test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostkeys.moc"
