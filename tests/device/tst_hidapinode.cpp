#include "common/CatalogueFile.h"
#include "common/Sanitizers.h"
#include "common/StandinMouse.h"
#include "common/TestHome.h"

#include "device/hid/HidapiBackend.h"

#include <QtTest>

#include <atomic>
#include <thread>

// The hidapi backend's input reports over the stand-in hidapi library,
// whose nodes are FIFOs: read from the node, never through hid_read, and
// a close() that ends a blocked read at once.
class TestHidapiNode : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<StandinMouse> m_mouse;
    HidapiBackend m_hid;

    HidDevice *openInterface(int index)
    {
        return m_hid.openPath(QFile::encodeName(m_mouse->node(index)));
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_mouse = std::make_unique<StandinMouse>(m_home->path() + "/hid", row("NX-19", 0x13));
        QVERIFY(m_mouse->isValid());
    }
    void cleanup()
    {
        m_mouse.reset();
        m_home.reset();
    }

    void reportsComeFromTheNode_data()
    {
        QTest::addColumn<int>("timeoutMs");
        QTest::addRow("blocking") << -1;
        QTest::addRow("with a timeout") << 500;
        QTest::addRow("polling") << 0;
    }

    void reportsComeFromTheNode()
    {
        QFETCH(int, timeoutMs);
        HidDevice *device = openInterface(1);
        QVERIFY(device);
        const long callsBefore = StandinMouse::readCalls();
        const QByteArray report("\x08\x02\x04\x00\x00\x00\x00\x01", 8);
        QVERIFY(m_mouse->queueReport(1, report));
        unsigned char data[8] = {};
        QCOMPARE(m_hid.read(device, data, sizeof data, timeoutMs), 8);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(data), 8), report);
        QCOMPARE(StandinMouse::readCalls(), callsBefore);
        m_hid.close(device);
    }

    void aSilentNodeTimesOut()
    {
        HidDevice *device = openInterface(0);
        QVERIFY(device);
        unsigned char data[8] = {};
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_hid.read(device, data, sizeof data, 60), 0);
        QVERIFY(clock.elapsed() >= 55);
        QCOMPARE(m_hid.setNonblocking(device, 1), 0);
        QCOMPARE(m_hid.read(device, data, sizeof data, -1), 0);
        m_hid.close(device);
    }

    void closeEndsABlockedReadAtOnce()
    {
        HidDevice *device = openInterface(0);
        QVERIFY(device);
        std::atomic<int> result{1};
        std::thread reader([&] {
            unsigned char data[8];
            result = m_hid.read(device, data, sizeof data, -1);
        });
        QTest::qWait(100);
        QCOMPARE(result.load(), 1); // still waiting
        QElapsedTimer clock;
        clock.start();
        m_hid.close(device);
        const qint64 closeMs = clock.elapsed();
        reader.join();
        QCOMPARE(result.load(), -1);
        // Under the 50 ms read slice a reader without the interrupt would wait.
        QVERIFY2(closeMs < 40 * kSanitizerSlowdown, qPrintable(QString::number(closeMs)));
        unsigned char data[8];
        QCOMPARE(m_hid.read(device, data, sizeof data, -1), -1);
    }
};

QTEST_GUILESS_MAIN(TestHidapiNode)
#include "tst_hidapinode.moc"
