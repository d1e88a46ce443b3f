#include "common/AppUnderX.h"
#include "common/TestHome.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

// The real window under an X server (run by CTest through xvfb-run), on
// virtual mice driven through their control socket, watched with xdotool.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    // The Yes button of a question box at `box`.
    static QPoint yesButton(const QRect &box) { return box.topLeft() + QPoint(146, 254); }

    // The profile files in the product's Profile folder, the default one
    // aside, and the saved list of its Config.ini.
    QStringList profileFiles() const
    {
        QStringList names;
        const QString folder =
            m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Profile");
        for (const QString &file :
             QDir(folder).entryList({QStringLiteral("*.prof")}, QDir::Files)) {
            if (file != QLatin1String("DefaultProfile.prof"))
                names << file.chopped(5);
        }
        names.sort();
        return names;
    }

    QStringList savedList() const
    {
        QStringList names;
        const int count = productValue(QStringLiteral("PROFILE_LIST/Count")).toInt();
        for (int i = 1; i <= count; ++i)
            names << productValue(QStringLiteral("PROFILE_LIST/%1").arg(i));
        return names;
    }

    QString productValue(const QString &key) const
    {
        QSettings s(m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Config.ini"),
                    QSettings::IniFormat);
        return s.value(key).toString();
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
    }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void windowAppearsAndASecondInstanceExits()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QTest::qWait(300);
        QVERIFY(app.screenshot(QStringLiteral("main-window")));

        QProcess second;
        second.setProcessEnvironment(app.environment(QStringLiteral("NX-19")));
        second.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-config"), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(app.running());
        QVERIFY(app.hasWindow(AppUnderX::kMainWindow));
    }

    void unpluggingWarnsAndPluggingBackReloads()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        const QString defaults = m_home->productFolder(QStringLiteral("NX-19")) +
                                 QStringLiteral("/Profile/DefaultProfile.prof");
        QVERIFY(QFile::exists(defaults));
        QFile::remove(defaults);

        QCOMPARE(app.control(QStringLiteral("unplug NX-19")), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(app.hasWindow(AppUnderX::kBox), 5000);
        QVERIFY(app.screenshot(QStringLiteral("no-mouse-warning")));

        QCOMPARE(app.control(QStringLiteral("plug NX-19")), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(!app.hasWindow(AppUnderX::kBox), 5000);
        QVERIFY(app.hasWindow(AppUnderX::kMainWindow));
        // The reload wrote the model's default profile file again.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(defaults), 5000);
    }

    void aProfileSwitchOnTheMouseShowsAndSendsNothing()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QTest::qWait(500);
        const int before = app.reports().size();
        QCOMPARE(app.control(QStringLiteral("profile NX-19 3")), QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(productValue(QStringLiteral("Config/ProfileID")),
                                  QStringLiteral("3"), 5000);
        QTest::qWait(300);
        QCOMPARE(app.reports().size(), before);
        QCOMPARE(app.control(QStringLiteral("refreshes NX-19")), QString());
        QVERIFY(app.screenshot(QStringLiteral("profile-4-from-the-mouse")));
    }

    void applySendsWhatTheToolSends_data()
    {
        QTest::addColumn<bool>("changeStage");
        QTest::addRow("as loaded") << false;
        QTest::addRow("after changing a DPI stage") << true;
    }

    void applySendsWhatTheToolSends()
    {
        QFETCH(bool, changeStage);
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QTest::qWait(500);
        if (changeStage) {
            app.click(AppUnderX::tab(2));
            // The DPI panel is at 286,75: the stage-3 button's indicator,
            // then the far end of stage 2's X bar (one step up per click).
            app.click(QPoint(286 + 44, 75 + 30 + 71 * 2 + 12));
            app.click(QPoint(286 + 66 + 320, 75 + 30 + 71 + 32 + 4));
            QVERIFY(app.screenshot(QStringLiteral("dpi-stage-changed")));
        }
        const int from = app.traceLines();
        app.click(AppUnderX::kApply);
        // The upload ends with the macro step.
        const QStringList fromWindow = app.waitForUpload(from);
        QVERIFY(fromWindow.size() > 50);
        app.stop();
        if (changeStage) {
            QSettings profile(m_home->productFolder(QStringLiteral("NX-19")) +
                                  QStringLiteral("/Profile/Profile 1.prof"),
                              QSettings::IniFormat);
            QCOMPARE(profile.value(QStringLiteral("PROFILE/dpi")).toInt(), 2);
            // NX-19 starts stage 2 at 39 with X and Y linked.
            const int x = profile.value(QStringLiteral("PROFILE/DPI_INFO_1_x")).toInt();
            QVERIFY2(x > 39, qPrintable(QString::number(x)));
            QCOMPARE(profile.value(QStringLiteral("PROFILE/DPI_INFO_1_y")).toInt(), x);
        }
        QCOMPARE(app.toolApply(QStringLiteral("NX-19"), *m_home), fromWindow);
    }

    void theMouseButtonsShowInTheDpiAndLightingPanels()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QTest::qWait(500);
        const QRect dpiPanel(286, 75, 456, 386);
        const QRect lightingPanel(285, 342, 664, 199);

        app.click(AppUnderX::tab(2));
        QTest::qWait(500);
        const int sent = app.reports().size();
        const QImage stage1 = app.grab(dpiPanel, QStringLiteral("dpi-stage-1"));
        QCOMPARE(app.control(QStringLiteral("dpi NX-19 3")), QStringLiteral("ok"));
        QTest::qWait(800);
        const QImage stage4 = app.grab(dpiPanel, QStringLiteral("dpi-stage-4-from-the-mouse"));
        QVERIFY(!stage1.isNull() && !stage4.isNull());
        QVERIFY(stage1 != stage4);

        app.click(AppUnderX::tab(0));
        QTest::qWait(500);
        const QImage wave = app.grab(lightingPanel, QStringLiteral("lighting-wave"));
        // Class 3: effect code 0 is OFF.
        QCOMPARE(app.control(QStringLiteral("light NX-19 0 0")), QStringLiteral("ok"));
        QTest::qWait(800);
        const QImage off = app.grab(lightingPanel, QStringLiteral("lighting-off-from-the-mouse"));
        QVERIFY(!wave.isNull() && !off.isNull());
        QVERIFY(wave != off);
        QCOMPARE(app.reports().size(), sent);
    }

    void screenshotsOfTheTabs_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addRow("NX-19") << "NX-19";
        QTest::addRow("NX-23, lighting class 4") << "NX-23";
    }

    void screenshotsOfTheTabs()
    {
        QFETCH(QString, model);
        AppUnderX app(*m_home);
        QVERIFY(app.start(model));
        QTest::qWait(500);
        const char *tabs[] = {"lighting", "customize", "dpi"};
        for (int i = 0; i < 3; ++i) {
            app.click(AppUnderX::tab(i));
            QTest::qWait(400);
            QVERIFY(app.screenshot(QStringLiteral("tab-%1-%2").arg(model, QLatin1String(tabs[i]))));
        }
    }

    void profileFilesThroughTheButtons()
    {
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
        QTest::qWait(500);
        auto command = [](int i) { return QRect(68 + 26 * i, 508, 22, 22).center(); };
        const QPoint add = command(3), remove = command(4), copy = command(5), reset = command(2);
        const QRect nameEdit(68, 479, 134, 22);
        QStringList names = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        QCOMPARE(profileFiles(), names);
        QCOMPARE(savedList(), names);

        app.click(add);
        names << QStringLiteral("Profile 6");
        QTRY_COMPARE_WITH_TIMEOUT(profileFiles(), names, 5000);
        QCOMPARE(savedList(), names);

        app.click(copy);
        names << QStringLiteral("Profile 6 copy");
        QTRY_COMPARE_WITH_TIMEOUT(profileFiles(), names, 5000);
        QCOMPARE(savedList(), names);

        app.click(nameEdit.center());
        AppUnderX::keys({QStringLiteral("ctrl+a")});
        AppUnderX::xdotool({QStringLiteral("type"), QStringLiteral("Aim Set")});
        AppUnderX::keys({QStringLiteral("Return")});
        names.replace(6, QStringLiteral("Aim Set"));
        QTRY_COMPARE_WITH_TIMEOUT(savedList(), names, 5000);
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(profileFiles(), sorted);
        QVERIFY(app.screenshot(QStringLiteral("profile-renamed")));

        app.click(remove);
        QRect box;
        QTRY_VERIFY_WITH_TIMEOUT(!(box = app.windowOfSize(AppUnderX::kBox)).isNull(), 5000);
        QVERIFY(app.screenshot(QStringLiteral("profile-delete-question")));
        AppUnderX::clickScreen(yesButton(box));
        names.removeLast();
        QTRY_COMPARE_WITH_TIMEOUT(savedList(), names, 5000);
        QCOMPARE(profileFiles(), names);

        // The mouse's own DPI button makes mode 1 differ from its defaults;
        // RESET brings back exactly the default store.
        QCOMPARE(app.control(QStringLiteral("dpi NX-19 3")), QStringLiteral("ok"));
        QSettings sixth(m_home->productFolder(QStringLiteral("NX-19")) +
                            QStringLiteral("/Profile/Profile 6.prof"),
                        QSettings::IniFormat);
        QTRY_COMPARE_WITH_TIMEOUT(
            (sixth.sync(), sixth.value(QStringLiteral("PROFILE/dpi")).toInt()), 3, 5000);
        const int from = app.traceLines();
        app.click(reset);
        QTRY_VERIFY_WITH_TIMEOUT(!(box = app.windowOfSize(AppUnderX::kBox)).isNull(), 5000);
        AppUnderX::clickScreen(yesButton(box));
        const QStringList fromWindow = app.waitForUpload(from);
        QVERIFY(fromWindow.size() > 50);
        app.stop();
        // What korvalen-ctl sends for the model's default store, from a
        // data folder of its own.
        const TestHome fresh;
        QCOMPARE(fromWindow, app.toolApply(QStringLiteral("NX-19"), fresh));
    }

    void trayClicksToggleTheWindowOnce()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            QSKIP("trayer is not installed");
        QProcess tray;
        tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top")});
        QVERIFY(tray.waitForStarted(5000));
        AppUnderX app(*m_home);
        QVERIFY(app.start(QStringLiteral("NX-19")));
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
            AppUnderX::xdotool({QStringLiteral("click"), QStringLiteral("--repeat"),
                                QString::number(clicks), QStringLiteral("--delay"),
                                QStringLiteral("100"), QStringLiteral("1")});
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
        QVERIFY(app.screenshot(QStringLiteral("tray-after-fast-replug")));
        clickIcon(1);
        QTRY_VERIFY_WITH_TIMEOUT(!shown(), 5000);
        app.stop();
        tray.kill();
        tray.waitForFinished(3000);
    }

    void withoutAMouseOnlyTheTrayRemains()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            QSKIP("trayer is not installed");
        QProcess tray;
        tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top")});
        QVERIFY(tray.waitForStarted(5000));
        QTest::qWait(500);

        AppUnderX app(*m_home);
        // A virtual backend with no mouse plugged in.
        QVERIFY(app.launch(QStringLiteral(",")));
        QRect box;
        QTRY_VERIFY_WITH_TIMEOUT(!(box = app.windowOfSize(AppUnderX::kBox)).isNull(), 5000);
        QVERIFY(app.screenshot(QStringLiteral("no-mouse-at-start")));
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
        app.stop();
        tray.kill();
        tray.waitForFinished(3000);
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
