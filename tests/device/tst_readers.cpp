#include "common/CatalogueFile.h"
#include "common/CleanHome.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/VornHidReadThread.h"
#include "device/hid/VirtualMouseBackend.h"

#include <QScopeGuard>
#include <QtTest>

#include <vector>

namespace {

// The host actions the interface-0 reader asked for, in order.
QMutex performedMutex;
QList<int> performedCodes;

bool recordHostAction(quint8 code)
{
    QMutexLocker locker(&performedMutex);
    performedCodes << code;
    return true;
}

QList<int> performed()
{
    QMutexLocker locker(&performedMutex);
    return performedCodes;
}

} // namespace

// The two reader threads over a virtual mouse. An open handle keeps the
// reports that arrive before a reader's first read, so a reader need not be
// waited for before the mouse reports.
class TestReaders : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;
    VirtualMouseBackend *m_mice = nullptr;

    // A failed check returns early; the readers must still end before their
    // objects go, or the test process aborts instead of reporting.
    static auto joinAtExit(std::initializer_list<VornHidReader *> readers)
    {
        return qScopeGuard([list = std::vector<VornHidReader *>(readers)] {
            for (VornHidReader *r : list)
                r->stop();
            closeDevice();
            for (VornHidReader *r : list)
                r->wait(2000);
        });
    }

    void open()
    {
        QCOMPARE(enumerateDevices(), 0);
        openDeviceByName("NX-19");
        QVERIFY(DeviceContext::interface0Handle());
        QVERIFY(DeviceContext::interface1Handle());
    }

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        writeCatalogue({row("NX-19", 0x13)});
        loadDeviceCatalogue();
        m_mice = installVirtualMice({"NX-19"});
    }
    void cleanup() { m_home.reset(); }

    void statusReports_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("signal"); // with its arguments
        auto add = [](const char *name, const char *hex, const char *signal) {
            QTest::addRow("%s", name) << QByteArray::fromHex(hex) << QString(signal);
        };
        // A profile report is followed end to end in tst_mainwindow
        // theMouseSwitchesProfileByItself.
        add("dpi stage", "0802040000000000", "RefreshDPIStage 4");
        add("report rate", "0806020000000000", "RefreshPollRate 2");
        add("lighting: bytes 3 and 5", "0809070205030000", "RefreshLightModeSignal 2 3");
        add("other kind", "0805010000000000", "");
        add("other report id", "0701010000000000", "");
    }

    void statusReports()
    {
        QFETCH(QByteArray, report);
        QFETCH(QString, signal);
        VornHidReadThread2 reader;
        const auto join = joinAtExit({&reader});
        QStringList seen;
        const auto record = [&seen](const char *name) {
            return [&seen, name](quint8 a) { seen << QStringLiteral("%1 %2").arg(name).arg(a); };
        };
        connect(&reader, &VornHidReadThread2::RefreshProfile, record("RefreshProfile"));
        connect(&reader, &VornHidReadThread2::RefreshDPIStage, record("RefreshDPIStage"));
        connect(&reader, &VornHidReadThread2::RefreshPollRate, record("RefreshPollRate"));
        connect(&reader, &VornHidReadThread2::RefreshLightModeSignal, [&seen](quint8 a, quint8 b) {
            seen << QStringLiteral("RefreshLightModeSignal %1 %2").arg(a).arg(b);
        });
        reader.decodeReport(reinterpret_cast<const unsigned char *>(report.constData()));
        QCOMPARE(seen, signal.isEmpty() ? QStringList() : QStringList{signal});
    }

    void hostActionCodes_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<int>("code");
        QTest::addRow("find") << QByteArray("\x05\xFF\x24\x00", 4) << 0x24;
        QTest::addRow("last") << QByteArray("\x01\xFF\x26\x00", 4) << 0x26;
        QTest::addRow("before the table") << QByteArray("\x01\xFF\x1E\x00", 4) << 0;
        QTest::addRow("no 0xFF marker") << QByteArray("\x01\xFE\x20\x00", 4) << 0;
    }

    void hostActionCodes()
    {
        QFETCH(QByteArray, report);
        QFETCH(int, code);
        QCOMPARE(int(VornHidReadThread::hostActionCode(
                     reinterpret_cast<const unsigned char *>(report.constData()))),
                 code);
    }

    void hostActionButtonsReachTheInstalledActions()
    {
        open();
        performedCodes.clear(); // no reader runs yet
        DeviceContext::setHostActionHandler(&recordHostAction);
        VornHidReadThread reader;
        const auto join = joinAtExit({&reader});
        reader.start();
        QVERIFY(m_mice->pressHostAction("NX-19", 0x24));
        QVERIFY(m_mice->queueInputReport("NX-19", 0,
                                         QByteArray("\x01\xFF\x27\x00\x00\x00\x00\x00", 8)));
        QVERIFY(m_mice->pressHostAction("NX-19", 0x1F));
        QTRY_COMPARE(performed(), (QList<int>{0x24, 0x1F}));
    }

    void aStopEndsTheReaderInItsPause()
    {
        open();
        VornHidReadThread2 reader;
        const auto join = joinAtExit({&reader});
        QSignalSpy rate(&reader, &VornHidReadThread2::RefreshPollRate);
        reader.start();
        QVERIFY(m_mice->switchReportRate("NX-19", 8));
        QTRY_COMPARE(rate.count(), 1); // now in the pause before the next read
        QElapsedTimer clock;
        clock.start();
        reader.stop();
        QVERIFY(reader.wait(1000));
        QVERIFY(clock.elapsed() < 30);
    }

    void withoutAMouseTheThreadsEndAtOnceAndSayNothing()
    {
        VornHidReadThread first;
        VornHidReadThread2 second;
        const auto join = joinAtExit({&first, &second});
        first.start();
        second.start();
        QVERIFY(first.wait(1000));
        QVERIFY(second.wait(1000));
    }

    void closingTheDeviceEndsAStoppedReader()
    {
        open();
        VornHidReadThread first;
        VornHidReadThread2 second;
        const auto join = joinAtExit({&first, &second});
        first.start();
        second.start();
        QTest::qWait(400); // both are blocked in their read now
        QVERIFY(first.isRunning());
        QVERIFY(second.isRunning());
        first.isStop = true;
        second.stop();
        QVERIFY(!first.wait(150)); // still in the read
        QTest::ignoreMessage(QtDebugMsg, "VornHidReadThread isStop.");
        QTest::ignoreMessage(QtDebugMsg, "VornHidReadThread 2 isStop.");
        closeDevice();
        QVERIFY(first.wait(1000));
        QVERIFY(second.wait(1000));
    }

    void oldReadersEndAfterAReplug()
    {
        open();
        VornHidReadThread2 old;
        const auto joinOld = joinAtExit({&old});
        old.start();
        QTest::qWait(150);
        QVERIFY(m_mice->unplug("NX-19"));
        old.stop();
        QVERIFY(old.wait(1000));
        QVERIFY(m_mice->plug("NX-19"));
        closeDevice();
        open();
        VornHidReadThread2 fresh;
        const auto joinFresh = joinAtExit({&fresh});
        QSignalSpy rate(&fresh, &VornHidReadThread2::RefreshPollRate);
        fresh.start();
        QVERIFY(m_mice->switchReportRate("NX-19", 8));
        QTRY_COMPARE(rate.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
