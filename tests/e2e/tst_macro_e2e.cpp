#include "common/AppUnderX.h"
#include "common/TestHome.h"

#include <QSettings>
#include <QtTest>

#include <X11/Xlib.h>

namespace {

// Whether another X client can take the keyboard now.
bool keyboardIsFree()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const int status = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    if (status == GrabSuccess)
        XUngrabKeyboard(display, CurrentTime);
    XCloseDisplay(display);
    return status == GrabSuccess;
}

} // namespace

// The macro recorder and the macro assignment in the real window under an
// X server (CTest runs it through xvfb-run): keys typed with xdotool, the
// virtual mouse traced.
class TestMacroEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
    }

    void aReloadEndsTheRecording_data()
    {
        QTest::addColumn<QString>("mice");
        QTest::addColumn<QString>("unplug");
        QTest::addRow("the only mouse") << "NX-19"
                                        << "NX-19";
        QTest::addRow("the active one of two") << "NX-01,NX-19"
                                               << "active";
        QTest::addRow("the other one of two") << "NX-01,NX-19"
                                              << "other";
    }

    void aReloadEndsTheRecording()
    {
        QFETCH(QString, mice);
        QFETCH(QString, unplug);
        TestHome home;
        AppUnderX app(home);
        QVERIFY(app.start(mice));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        const QPoint page(285, 74);
        const QString macroFile = home.dataFolder() + QStringLiteral("/MacroDB/name_1.MSMACRO");
        app.click(AppUnderX::tab(3));
        app.click(page + QPoint(146 + 11, 8 + 11)); // NEW
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(macroFile), 5000);
        app.click(page + QPoint(478 + 87, 12 + 15)); // START
        AppUnderX::keys({QStringLiteral("a")});
        QTRY_VERIFY_WITH_TIMEOUT(!keyboardIsFree(), 5000);

        const QString active =
            QSettings(home.dataFolder() + QStringLiteral("/Config.ini"), QSettings::IniFormat)
                .value(QStringLiteral("Config/CurrentProductName"))
                .toString();
        QString gone = unplug;
        if (unplug == QLatin1String("active"))
            gone = active;
        else if (unplug == QLatin1String("other"))
            gone = mice.split(QLatin1Char(',')).value(active == QLatin1String("NX-01") ? 1 : 0);
        QCOMPARE(app.control(QStringLiteral("unplug ") + gone), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(keyboardIsFree(), 5000);
        QVERIFY(app.screenshot(QStringLiteral("recording-ended-by-unplug-") +
                               QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-')));
        // STOP's save: the press and release of A.
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(macroFile, QSettings::IniFormat)
                                      .value(QStringLiteral("Setting/Count"))
                                      .toInt(),
                                  2, 5000);
        // With no mouse left the window says so; the mouse coming back
        // closes that warning.
        if (!mice.contains(QLatin1Char(','))) {
            QTRY_VERIFY_WITH_TIMEOUT(app.hasWindow(AppUnderX::kBox), 5000);
            QCOMPARE(app.control(QStringLiteral("plug ") + gone), QStringLiteral("ok"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!app.hasWindow(AppUnderX::kBox), 5000);
        // The window's controls work again: its close button ends the
        // program (there is no notification area to hide in).
        app.click(QPoint(924 + 9, 33 + 9));
        QCOMPARE(app.waitForExit(10000), 0);
    }

    void recordAssignAndApply()
    {
        TestHome home;
        AppUnderX app(home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        const QPoint page(285, 74);           // the macro page's design place
        const QString macroFile = home.dataFolder() + QStringLiteral("/MacroDB/name_1.MSMACRO");

        // MACRO tab, a new macro, then record.
        app.click(AppUnderX::tab(3));
        app.click(page + QPoint(146 + 11, 8 + 11));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(macroFile), 5000);
        app.click(page + QPoint(478 + 87, 12 + 15)); // START
        AppUnderX::keys({QStringLiteral("a"), QStringLiteral("Right")});
        // Held long enough for the server to repeat it.
        AppUnderX::xdotool({QStringLiteral("keydown"), QStringLiteral("b")});
        QTest::qWait(1500);
        AppUnderX::xdotool({QStringLiteral("keyup"), QStringLiteral("b")});
        QTest::qWait(400);
        QVERIFY(app.screenshot(QStringLiteral("macro-tab-recording")));
        app.click(page + QPoint(478 + 87, 12 + 15)); // STOP

        // Press and release of A, Right (extended, usage 0x4F) and B: the
        // repeats of the held B are not there, and no delays were asked for.
        QSettings saved(macroFile, QSettings::IniFormat);
        QTRY_COMPARE_WITH_TIMEOUT(
            (saved.sync(), saved.value(QStringLiteral("Setting/Count")).toInt()), 6, 5000);
        const int expected[6][3] = {{132, 0, 4}, {4, 0, 4},   {132, 0, 79},
                                    {4, 0, 79},  {132, 0, 5}, {4, 0, 5}};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(saved.value(QStringLiteral("Setting/Map_%1").arg(i)).toInt(), expected[i][0]);
            QCOMPARE(saved.value(QStringLiteral("Setting/DataH_%1").arg(i)).toInt(),
                     expected[i][1]);
            QCOMPARE(saved.value(QStringLiteral("Setting/DataL_%1").arg(i)).toInt(),
                     expected[i][2]);
        }
        QVERIFY(app.screenshot(QStringLiteral("macro-tab")));

        // CUSTOMIZE tab, the marker of button 2, "Macro Manager" (third
        // entry from the bottom of the function menu).
        app.click(AppUnderX::tab(1));
        app.click(QPoint(285 + 27 + 32 + 12, 342 + 20 + 12));
        app.click(QPoint(285 + 29 + 75, 342 + 62 + 10));
        AppUnderX::keys({QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Up"),
                         QStringLiteral("Return")});
        QRect dialog;
        QTRY_VERIFY_WITH_TIMEOUT(!(dialog = app.windowOfSize(AppUnderX::kBox)).isNull(), 5000);
        const QPoint d = dialog.topLeft();
        AppUnderX::clickScreen(d + QPoint(164 + 75, 56 + 12)); // the macro drop-down
        AppUnderX::keys({QStringLiteral("Down"), QStringLiteral("Return")});
        AppUnderX::clickScreen(d + QPoint(90 + 8, 162 + 12)); // REPEAT RUN WHEN KEY DOWN
        QVERIFY(app.screenshot(QStringLiteral("macro-assignment")));
        AppUnderX::clickScreen(d + QPoint(110 + 45, 246 + 15)); // Yes
        QTRY_VERIFY_WITH_TIMEOUT(!app.hasWindow(AppUnderX::kBox), 5000);

        const int from = app.traceLines();
        app.click(AppUnderX::kApply);
        // The data of the feature reports sent since.
        const auto sent = [&] {
            QStringList data;
            for (const QString &report : app.reports(from)) {
                if (report.startsWith(QLatin1String("set_feature")))
                    data << report.section(QLatin1Char(' '), 2);
            }
            return data;
        };
        // Button 2 of profile 0 at 0x040 + 66 + 4: the macro type 0x91, macro
        // 0 with bit 7 for "while held", 0xFF 0xFF.
        const QString entry = QStringLiteral("02f38600040000009180ffff00000000");
        // Macro block 0 at 0x478, 200 bytes: the six events (Map, DataL,
        // DataH) with the pause {6, 1, 0} after every four and at the end.
        const QString block = QStringLiteral("04f37804c8000000") +
                              QStringLiteral("840400040400844f00044f00060001840500040500060001") +
                              QString(2048 - 16 - 48, QLatin1Char('0'));
        QTRY_VERIFY_WITH_TIMEOUT(sent().contains(block), 30000);
        QVERIFY(sent().contains(entry));
    }
};

QTEST_GUILESS_MAIN(TestMacroEndToEnd)
#include "tst_macro_e2e.moc"
