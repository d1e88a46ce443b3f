#include "common/CatalogueFile.h"
#include "common/CleanHome.h"
#include "common/FakeHid.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceConnection.h"
#include "device/DeviceContext.h"
#include "device/HidNodeNotices.h"

#include <QtTest>

// On Linux both collections of a mouse sit on one hidraw node: one udev
// event must bring the model in, and one must take it away.
class TestNodeNotices : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;
    FakeHid *m_fake = nullptr;

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        writeCatalogue({row("NX-19", 0x13), row("NX-05", 0x05)});
        loadDeviceCatalogue();
        auto fake = std::make_unique<FakeHid>();
        m_fake = fake.get();
        DeviceContext::installHid(std::move(fake));
        m_fake->devices << FakeHid::device("/dev/hidraw4", 0xFFFF, 0x13, 0xFF01, 1)
                        << FakeHid::device("/dev/hidraw4", 0xFFFF, 0x13, 0xFF02, 1)
                        << FakeHid::device("/dev/hidraw2", 0x046D, 0xC077, 0x0001, 2);
    }
    void cleanup() { m_home.reset(); }

    void oneNodeConnectsAndDisconnectsTheModel()
    {
        DeviceConnection connection;
        connection.refreshDeviceList();
        QSignalSpy arrived(&connection, &DeviceConnection::firstMouseArrived);
        QSignalSpy gone(&connection, &DeviceConnection::lastMouseRemoved);
        // One notice per collection: the model needs both to arrive.
        const QVector<DeviceNotice> added = noticesForAddedNode("/dev/hidraw4");
        QCOMPARE(added.size(), 2);
        for (const DeviceNotice &n : added)
            connection.handleNotice(n);
        QCOMPARE(arrived.count(), 1);
        const MouseListEntry &e = DeviceContext::catalogue().entries[0];
        QCOMPARE(QByteArray(e.path0), QByteArray("/dev/hidraw4"));
        QCOMPARE(QByteArray(e.path1), QByteArray("/dev/hidraw4"));

        // An unrelated node going away changes nothing.
        connection.handleNotice(noticeForRemovedNode("/dev/hidraw2"));
        QVERIFY(e.isConnected());

        const DeviceNotice removed = noticeForRemovedNode("/dev/hidraw4");
        QCOMPARE(removed.vendorId, quint16(0xFFFF));
        QCOMPARE(removed.productId, quint16(0x13));
        connection.handleNotice(removed);
        QCOMPARE(e.found0 + e.found1, 0);
        QCOMPARE(gone.count(), 1);
        QVERIFY(noticesForAddedNode("/dev/hidraw9").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNodeNotices)
#include "tst_nodenotices.moc"
