#include "common/AppUnderX.h"
#include "common/TestHome.h"

#include <QSettings>
#include <QtTest>

#include <X11/Xlib.h>

namespace {

// A notification area (trayer) on the test's X server, up once its window is.
struct Tray
{
    QProcess process;
    static bool installed() { return !QStandardPaths::findExecutable("trayer").isEmpty(); }
    bool start()
    {
        process.start("trayer", {"--edge", "top"});
        return QTest::qWaitFor(
            [] {
                return !AppUnderX::tool({"xdotool", "search", "--class", "trayer"}).isEmpty();
            },
            5000);
    }
    ~Tray()
    {
        process.kill();
        process.waitForFinished(3000);
    }
};

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

// The real window under an X server (run by CTest through xvfb-run), on
// virtual mice driven through their control socket, watched with xdotool;
// keys typed with xdotool reach the macro recorder.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
    }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    // After a change made by clicks on the DPI panel.
    void applySendsWhatTheToolSends()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start("NX-19"));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        app.click(AppUnderX::tab(2));
        // The DPI panel is at 286,75: the stage-3 button's indicator, then
        // the far end of stage 2's X bar (one step up per click).
        app.click(QPoint(286 + 44, 75 + 30 + 71 * 2 + 12));
        app.click(QPoint(286 + 66 + 320, 75 + 30 + 71 + 32 + 4));
        const int from = app.traceLines();
        app.click(AppUnderX::kApply);
        // The upload ends with the macro step.
        const QStringList fromWindow = app.waitForUpload(from);
        QVERIFY(fromWindow.size() > 50);
        app.stop();
        QSettings profile(m_home->productFolder("NX-19") + "/Profile/Profile 1.prof",
                          QSettings::IniFormat);
        QCOMPARE(profile.value(QStringLiteral("PROFILE/dpi")).toInt(), 2);
        // NX-19 starts stage 2 at 39 with X and Y linked.
        const int x = profile.value("PROFILE/DPI_INFO_1_x").toInt();
        QVERIFY2(x > 39, qPrintable(QString::number(x)));
        QCOMPARE(profile.value(QStringLiteral("PROFILE/DPI_INFO_1_y")).toInt(), x);
        QCOMPARE(app.toolRun(QStringLiteral("NX-19"), *m_home, {"apply"}), fromWindow);
    }

    void theMouseButtonsShowInTheDpiAndLightingPanels()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start("NX-19"));
        const QRect dpiPanel(286, 75, 456, 386);
        const QRect lightingPanel(285, 342, 664, 199);
        const QImage lighting = app.grabSettled(dpiPanel);

        app.click(AppUnderX::tab(2));
        const QImage stage1 = app.grabSettled(dpiPanel, lighting, "dpi-stage-1");
        QVERIFY(!stage1.isNull());
        const int sent = app.reports().size();
        QCOMPARE(app.control(QStringLiteral("dpi NX-19 3")), QStringLiteral("ok"));
        QVERIFY(!app.grabSettled(dpiPanel, stage1, "dpi-stage-4-from-the-mouse").isNull());

        const QImage dpiPage = app.grab(lightingPanel);
        app.click(AppUnderX::tab(0));
        const QImage wave = app.grabSettled(lightingPanel, dpiPage, "lighting-wave");
        QVERIFY(!wave.isNull());
        // Class 3: effect code 0 is OFF.
        QCOMPARE(app.control(QStringLiteral("light NX-19 0 0")), QStringLiteral("ok"));
        QVERIFY(!app.grabSettled(lightingPanel, wave, "lighting-off-from-the-mouse").isNull());
        QCOMPARE(app.reports().size(), sent);
    }

    void trayClicksToggleTheWindowOnce()
    {
        if (!Tray::installed())
            QSKIP("trayer is not installed");
        Tray tray;
        QVERIFY(tray.start());
        AppUnderX app(*m_home);
        QVERIFY(app.start("NX-19"));
        // The icon is the program's one small window.
        QRect icon;
        const auto findIcon = [&] {
            for (const QRect &w : app.windows()) {
                if (w.width() <= 64 && w.height() <= 64)
                    icon = w;
            }
            return !icon.isNull();
        };
        QTRY_VERIFY_WITH_TIMEOUT(findIcon(), 10000);
        const auto clickIcon = [&](int clicks) {
            // Apart from the click before by more than a double-click's time.
            QTest::qWait(700);
            AppUnderX::moveToScreen(icon.center());
            AppUnderX::xdotool(
                {"click", "--repeat", QString::number(clicks), "--delay", "100", "1"});
        };
        const auto shown = [&] { return app.hasWindow(AppUnderX::kMainWindow); };

        clickIcon(1);
        QTRY_VERIFY_WITH_TIMEOUT(!shown(), 5000);
        clickIcon(1);
        QTRY_VERIFY_WITH_TIMEOUT(shown(), 5000);
        // A double-click hides it once, not hides and shows it again.
        clickIcon(2);
        QTRY_VERIFY_WITH_TIMEOUT(!shown(), 5000);
        QTest::qWait(1000);
        QVERIFY(!shown());
        clickIcon(2);
        QTRY_VERIFY_WITH_TIMEOUT(shown(), 5000);

        // Out and in again within 200 ms: the warning never opens, and a
        // click still hides the window.
        QCOMPARE(app.control(QStringLiteral("unplug NX-19")), QStringLiteral("ok"));
        QCOMPARE(app.control(QStringLiteral("plug NX-19")), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(shown(), 5000);
        QTest::qWait(500); // past the window's 200 ms wait for a warning
        QVERIFY(!app.hasWindow(AppUnderX::kBox));
        QVERIFY(app.screenshot("tray-after-fast-replug"));
        clickIcon(1);
        QTRY_VERIFY_WITH_TIMEOUT(!shown(), 5000);
    }

    void withoutAMouseOnlyTheTrayRemains()
    {
        if (!Tray::installed())
            QSKIP("trayer is not installed");
        Tray tray;
        QVERIFY(tray.start());
        AppUnderX app(*m_home);
        // A virtual backend with no mouse plugged in.
        QVERIFY(app.launch(","));
        QRect box;
        QTRY_VERIFY_WITH_TIMEOUT(!(box = app.windowOfSize(AppUnderX::kBox)).isNull(), 5000);
        QVERIFY(app.screenshot("no-mouse-at-start"));
        // The Ok button sits centred near the bottom of the box.
        AppUnderX::clickScreen(box.topLeft() + QPoint(239, 309 - 30 - 14));
        QTRY_VERIFY_WITH_TIMEOUT(!app.hasWindow(AppUnderX::kBox), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!app.hasWindow(AppUnderX::kMainWindow), 5000);
        QVERIFY(app.running());
        // What is left of the program is its icon in the notification area.
        const QList<QRect> left = app.windows();
        for (const QRect &w : left)
            QVERIFY2(w.width() <= 64 && w.height() <= 64,
                     qPrintable(QStringLiteral("%1x%2").arg(w.width()).arg(w.height())));
        QVERIFY(!left.isEmpty());
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
        AppUnderX app(*m_home);
        QVERIFY(app.start(mice));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        const QPoint page(285, 74);
        const QString macroFile = m_home->dataFolder() + QStringLiteral("/MacroDB/name_1.MSMACRO");
        app.click(AppUnderX::tab(3));
        app.click(page + QPoint(146 + 11, 8 + 11)); // NEW
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(macroFile), 5000);
        app.click(page + QPoint(478 + 87, 12 + 15)); // START
        AppUnderX::keys({QStringLiteral("a")});
        QTRY_VERIFY_WITH_TIMEOUT(!keyboardIsFree(), 5000);

        const QString active =
            QSettings(m_home->dataFolder() + QStringLiteral("/Config.ini"), QSettings::IniFormat)
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
            // The reload writes the model's default profile file again.
            const QString defaults = m_home->productFolder(gone) + "/Profile/DefaultProfile.prof";
            QVERIFY(QFile::remove(defaults));
            QCOMPARE(app.control(QStringLiteral("plug ") + gone), QStringLiteral("ok"));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(defaults), 5000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!app.hasWindow(AppUnderX::kBox), 5000);
        // The window's controls work again: its close button ends the
        // program (there is no notification area to hide in).
        app.click(QPoint(924 + 9, 33 + 9));
        QCOMPARE(app.waitForExit(10000), 0);
    }

    void recordAssignAndApply()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        const QPoint page(285, 74);           // the macro page's design place
        const QString macroFile = m_home->dataFolder() + QStringLiteral("/MacroDB/name_1.MSMACRO");

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

        // Six events saved: the repeats of the held B are not there, and no
        // delays were asked for (the upload below shows which).
        QSettings saved(macroFile, QSettings::IniFormat);
        QTRY_COMPARE_WITH_TIMEOUT(
            (saved.sync(), saved.value(QStringLiteral("Setting/Count")).toInt()), 6, 5000);
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
        // Macro block 0 at 0x478, 200 bytes: press and release of A, Right
        // (extended, usage 0x4F) and B (Map, DataL, DataH), with the pause
        // {6, 1, 0} after every four and at the end.
        const QString block = QStringLiteral("04f37804c8000000") +
                              QStringLiteral("840400040400844f00044f00060001840500040500060001") +
                              QString(2048 - 16 - 48, QLatin1Char('0'));
        QTRY_VERIFY_WITH_TIMEOUT(sent().contains(block), 30000);
        QVERIFY(sent().contains(entry));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
