#include "common/CatalogueFile.h"
#include "common/CtlInProcess.h"
#include "common/StandinStart.h"
#include "common/TestHome.h"

#include "app/MousecfgWidget.h"
#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "store/StoreContext.h"
#include "widgets/VornMessageBox.h"

#include <QLabel>
#include <QtTest>

// A mouse whose nodes are there but closed to this user (no udev rule):
// the stand-in hidapi library refuses every open with EACCES. The list,
// the commands and the window must all say so, naming the node, the cause
// and the remedy, instead of treating the mouse as absent or silent.
class TestNoAccess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<StandinMouse> m_mouse;

    QString node(int index) const { return m_mouse->node(index); }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        qputenv("KORVALEN_GSETTINGS", "/bin/true");
        qputenv("KORVALEN_STANDIN_HID_DENY", "1");
        m_mouse = startWithStandinMouse(m_home->path() + QStringLiteral("/hid"));
        QVERIFY(m_mouse);
        loadDeviceCatalogue();
    }

    void cleanup()
    {
        qunsetenv("KORVALEN_STANDIN_HID_DENY");
        qunsetenv("KORVALEN_GSETTINGS");
        VornMessageBox::setExecHook(nullptr);
        DeviceContext::reset();
        StoreContext::reset();
        m_mouse.reset();
        m_home.reset();
    }

    void listMarksTheRowPresentWithoutAccess()
    {
        const CtlResult run = runInProcess(runList, {});
        QCOMPARE(run.status, int(CtlOk));
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        const QString rowLine = lines.value(1);
        QVERIFY2(rowLine.contains(QLatin1String("NX-19")), qPrintable(run.out));
        QVERIFY2(rowLine.contains(QLatin1String("no access (permission denied)")),
                 qPrintable(rowLine));
        QVERIFY2(run.out.contains(QLatin1String("1 catalogue rows, 0 connected")),
                 qPrintable(run.out));
        QVERIFY2(run.err.contains(QLatin1String("70-korvalen-mice.rules")), qPrintable(run.err));

        // With access the same row is simply connected.
        qunsetenv("KORVALEN_STANDIN_HID_DENY");
        DeviceContext::catalogue() = DeviceCatalogue();
        loadDeviceCatalogue();
        const CtlResult granted = runInProcess(runList, {});
        QVERIFY2(granted.out.split(QLatin1Char('\n')).value(1).contains(QLatin1String("connected")),
                 qPrintable(granted.out));
        QVERIFY2(granted.err.isEmpty(), qPrintable(granted.err));
    }

    void commandsNameTheNodeTheCauseAndTheRemedy_data()
    {
        QTest::addColumn<int>("command");
        QTest::addRow("apply") << 0;
        QTest::addRow("switch") << 1;
        QTest::addRow("verify") << 2;
    }

    void commandsNameTheNodeTheCauseAndTheRemedy()
    {
        QFETCH(int, command);
        const CtlCommandFunction functions[] = {runApply, runSwitch, runVerify};
        const QStringList args = command == 1 ? QStringList{QStringLiteral("1")} : QStringList();
        const CtlResult run = runInProcess(functions[command], args);
        QCOMPARE(run.status, int(CtlNoMouse));
        QVERIFY2(run.err.contains(node(0)) || run.err.contains(node(1)), qPrintable(run.err));
        for (const char *part :
             {"permission denied", "udev rule", "unplug and plug the mouse again"})
            QVERIFY2(run.err.contains(QLatin1String(part)), qPrintable(run.err));
    }

    void windowExplainsOnceInAMessageBox()
    {
        QStringList shown;
        VornMessageBox::setExecHook([&shown](VornMessageBox *box) {
            QStringList texts;
            for (const QLabel *label : box->findChildren<QLabel *>())
                texts << label->text();
            shown << texts.join(QLatin1Char('\n'));
            return 1;
        });
        const long readsBefore = StandinMouse::readCalls();
        MousecfgWidget window;
        QTRY_COMPARE(shown.size(), 1);
        for (const QString &part : {node(0), QStringLiteral("permission denied"),
                                    QStringLiteral("70-korvalen-mice.rules")})
            QVERIFY2(shown.first().contains(part), qPrintable(shown.first()));
        QTest::qWait(100);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(StandinMouse::readCalls(), readsBefore);
    }
};

QTEST_MAIN(TestNoAccess)
#include "tst_noaccess.moc"
