#include "common/CatalogueFile.h"
#include "common/CleanHome.h"
#include "common/FakeHid.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceConnection.h"
#include "device/DeviceContext.h"
#include "device/DeviceNameParser.h"
#include "device/HidNodeNotices.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/ConfigFile.h"

#include <QtTest>

class TestDeviceConnection : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        writeCatalogue({row("NX-19", 1), row("NX-05", 2), row("NX-33", 3)});
        loadDeviceCatalogue();
    }
    void cleanup() { m_home.reset(); }

    void refreshRule_data()
    {
        QTest::addColumn<QStringList>("mice");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("active");
        const QString nx19 = "NX-19";
        const QString nx05 = "NX-05";
        QTest::addRow("two, the stored second stays active")
            << QStringList{nx05, nx19} << nx05 << QStringList{nx19, nx05} << nx05;
        QTest::addRow("two, a stored name not connected gives the first")
            << QStringList{nx05, nx19} << "NX-33" << QStringList{nx19, nx05} << nx19;
        QTest::addRow("one replaces the stored name")
            << QStringList{nx05} << nx19 << QStringList{nx05} << nx05;
        QTest::addRow("none empties the stored name")
            << QStringList{} << nx19 << QStringList{} << QString();
    }

    void refreshRule()
    {
        QFETCH(QStringList, mice);
        QFETCH(QString, stored);
        QFETCH(QStringList, names);
        QFETCH(QString, active);

        installVirtualMice(mice);
        writeProductName(stored);
        QCOMPARE(enumerateDevices(), 0);
        DeviceConnection connection;
        QSignalSpy refreshed(&connection, &DeviceConnection::deviceListRefreshed);
        if (names.size() == 1)
            QTest::ignoreMessage(QtDebugMsg, qPrintable("RefreshMouseList " + names.first()));
        QCOMPARE(connection.refreshDeviceList(), names);
        QCOMPARE(connection.connectedCount(), names.size());
        QCOMPARE(readProductName(), active);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(refreshed.at(0).at(0).toStringList(), names);
    }

    void pluggingRaisesNoticesThroughTheEventLoop()
    {
        VirtualMouseBackend *mice = installVirtualMice({});
        QCOMPARE(enumerateDevices(), 0);
        DeviceConnection connection;
        connection.refreshDeviceList();
        QSignalSpy arrived(&connection, &DeviceConnection::firstMouseArrived);
        QSignalSpy gone(&connection, &DeviceConnection::lastMouseRemoved);

        QVERIFY(mice->plug("NX-05"));
        QCOMPARE(arrived.count(), 0); // queued, like a system notice
        QTRY_COMPARE(arrived.count(), 1);
        QCOMPARE(readProductName(), "NX-05");

        // A second model while one is connected only refreshes the list.
        QVERIFY(mice->plug("NX-19"));
        QTRY_COMPARE(connection.connectedCount(), 2);
        QCOMPARE(arrived.count(), 1);
        QCOMPARE(readProductName(), "NX-05");

        QVERIFY(mice->unplug("NX-19"));
        QVERIFY(mice->unplug("NX-05"));
        QTRY_COMPARE(gone.count(), 1);
        QCOMPARE(connection.connectedCount(), 0);
        // Only recounted: the name stays for the mouse to come back.
        QCOMPARE(readProductName(), "NX-05");
    }

    void removal_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<int>("switched");
        QTest::addColumn<QString>("active");
        QTest::addRow("the active mouse") << "NX-19" << 1 << "NX-05";
        QTest::addRow("the inactive mouse") << "NX-05" << 0 << "NX-19";
    }

    void removal()
    {
        QFETCH(QString, removed);
        QFETCH(int, switched);
        QFETCH(QString, active);

        VirtualMouseBackend *mice = installVirtualMice({"NX-19", "NX-05"});
        writeProductName("NX-19");
        QCOMPARE(enumerateDevices(), 0);
        DeviceConnection connection;
        connection.refreshDeviceList();
        QSignalSpy replaced(&connection, &DeviceConnection::activeMouseRemoved);
        QSignalSpy refreshed(&connection, &DeviceConnection::deviceListRefreshed);
        QSignalSpy gone(&connection, &DeviceConnection::lastMouseRemoved);

        QVERIFY(mice->unplug(removed));
        QTRY_COMPARE(refreshed.count(), 1);
        QCOMPARE(replaced.count(), switched);
        if (switched)
            QCOMPARE(replaced.at(0).at(0).toString(), active);
        QCOMPARE(readProductName(), active);
        QCOMPARE(connection.connectedNames(), QStringList{active});
        QCOMPARE(gone.count(), 0);
    }

    void windowsNotices_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addRow("upper case")
            << "HID#VID_FFFF&PID_0002&MI_02&COL01#7&1A2B&0&0000#{4d1e55b2-f16f}"
            << "HID#VID_FFFF&PID_0002&MI_02&COL02#7&1A2B&0&0001#{4d1e55b2-f16f}";
        QTest::addRow("mixed case, interface 1 first") << "Hid#Vid_fFfF&Pid_0002&Mi_02&Col02#x"
                                                       << "hId#vID_FFff&pID_0002&mI_02&cOL01#x";
    }

    void windowsNotices()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);

        auto fake = std::make_unique<FakeHid>();
        DeviceContext::installHid(std::move(fake));
        DeviceConnection connection;
        connection.refreshDeviceList();
        QSignalSpy arrived(&connection, &DeviceConnection::firstMouseArrived);
        QSignalSpy gone(&connection, &DeviceConnection::lastMouseRemoved);
        const MouseListEntry &e = DeviceContext::catalogue().entries[1];

        QTest::ignoreMessage(QtDebugMsg, "vid = 65535, pid = 2");
        connection.handleNotice(parseDeviceInterfaceName(first, true));
        QCOMPARE(e.found0 + e.found1, 1);
        QCOMPARE(connection.connectedCount(), 0);
        QCOMPARE(arrived.count(), 0);
        connection.handleNotice(parseDeviceInterfaceName(second, true));
        QVERIFY(e.isConnected());
        QCOMPARE(arrived.count(), 1);
        const QString col01 = first.contains("col01", Qt::CaseInsensitive) ? first : second;
        const QString col02 = col01 == first ? second : first;
        QCOMPARE(QByteArray(e.path0), QByteArray("\\\\?\\") + col01.toLatin1());
        QCOMPARE(QByteArray(e.path1), QByteArray("\\\\?\\") + col02.toLatin1());
        QCOMPARE(readProductName(), "NX-05");

        connection.handleNotice(parseDeviceInterfaceName(first, false));
        QVERIFY(!e.isConnected());
        QCOMPARE(gone.count(), 0);
        connection.handleNotice(parseDeviceInterfaceName(second, false));
        QCOMPARE(e.found0 + e.found1, 0);
        QCOMPARE(gone.count(), 1);
    }

    void arrivalOutsideTheReleaseRangeIsIgnored()
    {
        writeCatalogue({row("NX-19", 1, 0x100, 0x200)});
        loadDeviceCatalogue();
        auto fake = std::make_unique<FakeHid>();
        const QString name = "HID#VID_FFFF&PID_0001&MI_02&COL01#a";
        fake->releases.insert(parseDeviceInterfaceName(name, true).path, 0x201);
        DeviceContext::installHid(std::move(fake));
        DeviceConnection connection;
        connection.handleNotice(parseDeviceInterfaceName(name, true));
        QCOMPARE(DeviceContext::catalogue().entries[0].found0, 0);
    }

    void removingAHalfPresentModelWithNoneConnectedIsQuiet()
    {
        VirtualMouseBackend *mice = installVirtualMice({});
        QCOMPARE(enumerateDevices(), 0);
        QSignalSpy notices(mice, &VirtualMouseBackend::deviceNotice);
        QVERIFY(mice->plug("NX-19"));
        DeviceConnection connection;
        connection.refreshDeviceList();
        QSignalSpy gone(&connection, &DeviceConnection::lastMouseRemoved);
        connection.handleNotice(notices.at(0).at(0).value<DeviceNotice>());
        QVERIFY(mice->unplug("NX-19"));
        connection.handleNotice(notices.at(2).at(0).value<DeviceNotice>());
        QCOMPARE(DeviceContext::catalogue().entries[0].found0, 0);
        QCOMPARE(gone.count(), 0);
    }

    // Well-formed names of both collections, in any case, are windowsNotices'.
    void interfaceNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interfaceIndex");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addRow("mixed") << "\\\\?\\Hid#Vid_aBcD&pId_00Ef&Mi_02&cOl01#x" << 0 << 0xABCD
                               << 0x00EF;
        QTest::addRow("other interface") << "HID#VID_258A&PID_1007&MI_01&COL01#x" << -1 << 0 << 0;
        QTest::addRow("third collection") << "HID#VID_258A&PID_1007&MI_02&COL03#x" << -1 << 0 << 0;
        QTest::addRow("no collection") << "HID#VID_258A&PID_1007&MI_02#x" << -1 << 0 << 0;
        QTest::addRow("not hex") << "HID#VID_ZZZZ&PID_1007&MI_02&COL01#x" << 0 << 0 << 0x1007;
        QTest::addRow("empty") << "" << -1 << 0 << 0;
    }

    void interfaceNames()
    {
        QFETCH(QString, name);
        QFETCH(int, interfaceIndex);
        QFETCH(int, vid);
        QFETCH(int, pid);
        for (bool arrived : {true, false}) {
            const DeviceNotice n = parseDeviceInterfaceName(name, arrived);
            QCOMPARE(n.arrived, arrived);
            QVERIFY(n.identifiedByName);
            QCOMPARE(n.interfaceIndex, interfaceIndex);
            QCOMPARE(int(n.vendorId), vid);
            QCOMPARE(int(n.productId), pid);
            QCOMPARE(n.path, QByteArray("\\\\?\\") + name.toLatin1());
        }
    }

    // On Linux both collections of a mouse sit on one hidraw node: one udev
    // event must bring the model in, and one must take it away.
    void oneHidrawNodeConnectsAndDisconnectsTheModel()
    {
        auto fake = std::make_unique<FakeHid>();
        fake->devices << FakeHid::device("/dev/hidraw4", 0xFFFF, 1, 0xFF01, 1)
                      << FakeHid::device("/dev/hidraw4", 0xFFFF, 1, 0xFF02, 1)
                      << FakeHid::device("/dev/hidraw2", 0x046D, 0xC077, 0x0001, 2);
        DeviceContext::installHid(std::move(fake));
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
        QCOMPARE(removed.productId, quint16(1));
        connection.handleNotice(removed);
        QCOMPARE(e.found0 + e.found1, 0);
        QCOMPARE(gone.count(), 1);
        QVERIFY(noticesForAddedNode("/dev/hidraw9").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDeviceConnection)
#include "tst_deviceconnection.moc"
