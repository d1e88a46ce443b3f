#include "common/TestHome.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

// The macro recorder and the macro assignment in the real window under an
// X server (CTest runs it through xvfb-run): keys typed with xdotool, the
// virtual mouse traced.
class TestMacroEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    QString m_socket;
    QString m_trace;
    QString m_output;

    static QString tool(const QStringList &command)
    {
        QProcess p;
        p.start(command.first(), command.mid(1));
        p.waitForFinished(15000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    static void xdo(const QStringList &args)
    {
        tool(QStringList{QStringLiteral("xdotool")} + args);
    }

    static void click(const QPoint &at)
    {
        xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(300);
    }

    static void keys(const QStringList &names)
    {
        for (const QString &name : names) {
            xdo({QStringLiteral("key"), name});
            QTest::qWait(150);
        }
    }

    // The window of this size, or an empty rectangle.
    static QRect windowOfSize(qint64 pid, const QSize &size)
    {
        const QStringList ids =
            tool({QStringLiteral("xdotool"), QStringLiteral("search"),
                  QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &id : ids) {
            QMap<QString, int> v;
            const QString shell =
                tool({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"),
                      QStringLiteral("--shell"), id});
            for (const QString &line : shell.split(QLatin1Char('\n'))) {
                const int eq = line.indexOf(QLatin1Char('='));
                if (eq > 0)
                    v.insert(line.left(eq), line.mid(eq + 1).toInt());
            }
            const QRect r(v.value(QStringLiteral("X")), v.value(QStringLiteral("Y")),
                          v.value(QStringLiteral("WIDTH")), v.value(QStringLiteral("HEIGHT")));
            if (r.size() == size)
                return r;
        }
        return QRect();
    }

    void screenshot(const QString &name)
    {
        const QString file = m_output + QLatin1Char('/') + name + QStringLiteral(".png");
        tool({QStringLiteral("import"), QStringLiteral("-window"), QStringLiteral("root"), file});
        QVERIFY2(QFileInfo(file).size() > 1000, qPrintable(file));
        qInfo("screenshot: %s", qPrintable(file));
    }

    QStringList featureReports() const
    {
        QFile f(m_trace);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        for (const QString &line : QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'))) {
            const QStringList parts = line.split(QLatin1Char(' '));
            if (parts.size() >= 4 && parts.at(1) == QLatin1String("set_feature"))
                out << parts.at(3);
        }
        return out;
    }

    QString macroFile(const QString &name) const
    {
        return m_home->dataHome() + QStringLiteral("/KORVALEN Gaming Mouse/MacroDB/") + name +
               QStringLiteral(".MSMACRO");
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
        m_output = QStringLiteral(KORVALEN_APP_DIR "/tests/e2e-output");
        QDir().mkpath(m_output);
    }

    void recordAssignAndApply()
    {
        m_home = std::make_unique<TestHome>();
        m_socket = m_home->runtimeDir() + QStringLiteral("/mice");
        m_trace = m_home->path() + QStringLiteral("/trace.txt");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->runtimeDir());
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"), QStringLiteral("NX-19"));
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"), m_socket);
        env.insert(QStringLiteral("KORVALEN_HID_TRACE"), m_trace);
        env.insert(QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/false"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QProcess app;
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-config"), {});
        QVERIFY(app.waitForStarted(5000));
        QRect window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = windowOfSize(app.processId(), QSize(999, 640))).isNull(), 15000);
        QTest::qWait(800);
        const QPoint w = window.topLeft();
        const QPoint page = w + QPoint(285, 74); // the macro page's design place

        // MACRO tab, a new macro, then record.
        click(w + QPoint(69 + 77, 268 + 34 * 3 + 14));
        click(page + QPoint(146 + 11, 8 + 11));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(macroFile(QStringLiteral("name_1"))), 5000);
        click(page + QPoint(478 + 87, 12 + 15)); // START
        keys({QStringLiteral("a"), QStringLiteral("Right")});
        // Held long enough for the server to repeat it.
        xdo({QStringLiteral("keydown"), QStringLiteral("b")});
        QTest::qWait(1500);
        xdo({QStringLiteral("keyup"), QStringLiteral("b")});
        QTest::qWait(400);
        screenshot(QStringLiteral("macro-tab-recording"));
        click(page + QPoint(478 + 87, 12 + 15)); // STOP
        QTest::qWait(500);

        // Press and release of A, Right (extended, usage 0x4F) and B: the
        // repeats of the held B are not there, and no delays were asked for.
        QSettings saved(macroFile(QStringLiteral("name_1")), QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("Setting/Count")).toInt(), 6);
        const int expected[6][3] = {{132, 0, 4}, {4, 0, 4},   {132, 0, 79},
                                    {4, 0, 79},  {132, 0, 5}, {4, 0, 5}};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(saved.value(QStringLiteral("Setting/Map_%1").arg(i)).toInt(), expected[i][0]);
            QCOMPARE(saved.value(QStringLiteral("Setting/DataH_%1").arg(i)).toInt(),
                     expected[i][1]);
            QCOMPARE(saved.value(QStringLiteral("Setting/DataL_%1").arg(i)).toInt(),
                     expected[i][2]);
        }
        screenshot(QStringLiteral("macro-tab"));

        // CUSTOMIZE tab, the marker of button 2, "Macro Manager" (third
        // entry from the bottom of the function menu).
        click(w + QPoint(69 + 77, 268 + 34 + 14));
        click(w + QPoint(285 + 27 + 32 + 12, 342 + 20 + 12));
        click(w + QPoint(285 + 29 + 75, 342 + 62 + 10));
        keys({QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Up"),
              QStringLiteral("Return")});
        QRect dialog;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(dialog = windowOfSize(app.processId(), QSize(478, 309))).isNull(), 5000);
        const QPoint d = dialog.topLeft();
        click(d + QPoint(164 + 75, 56 + 12)); // the macro drop-down
        keys({QStringLiteral("Down"), QStringLiteral("Return")});
        click(d + QPoint(90 + 8, 162 + 12)); // REPEAT RUN WHEN KEY DOWN
        screenshot(QStringLiteral("macro-assignment"));
        click(d + QPoint(110 + 45, 246 + 15)); // Yes
        QTRY_VERIFY_WITH_TIMEOUT(windowOfSize(app.processId(), QSize(478, 309)).isNull(), 5000);

        const int before = featureReports().size();
        click(w + QPoint(835 + 55, 556 + 13)); // Apply
        // Button 2 of profile 0 at 0x040 + 66 + 4: the macro type 0x91, macro
        // 0 with bit 7 for "while held", 0xFF 0xFF.
        const QString entry = QStringLiteral("02f38600040000009180ffff00000000");
        // Macro block 0 at 0x478, 200 bytes: the six events (Map, DataL,
        // DataH) with the pause {6, 1, 0} after every four and at the end.
        const QString block = QStringLiteral("04f37804c8000000") +
                              QStringLiteral("840400040400844f00044f00060001840500040500060001") +
                              QString(2048 - 16 - 48, QLatin1Char('0'));
        QTRY_VERIFY_WITH_TIMEOUT(featureReports().mid(before).contains(block), 30000);
        QVERIFY(featureReports().mid(before).contains(entry));
        app.terminate();
        if (!app.waitForFinished(5000))
            app.kill();
        app.waitForFinished(5000);
        m_home.reset();
    }
};

QTEST_GUILESS_MAIN(TestMacroEndToEnd)
#include "tst_macro_e2e.moc"
