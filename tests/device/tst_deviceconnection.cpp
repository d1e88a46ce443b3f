#include "common/CatalogueFile.h"
#include "common/CleanHome.h"
#include "common/FakeHid.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceConnection.h"
#include "device/DeviceContext.h"
#include "device/DeviceNameParser.h"
#include "device/HidNodeNotices.h"
#include "device/VornHidReadThread.h"
#include "device/hid/HidapiBackend.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/ConfigFile.h"

#include <QScopeGuard>
#include <QtTest>

#include <cstring>
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

class TestDeviceConnection : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;
    VirtualMouseBackend *m_mice = nullptr;

    // The catalogue of these rows, loaded, over a scripted backend.
    FakeHid *catalogueOver(const QList<CatalogueRow> &rows, int count = -1)
    {
        writeCatalogue(rows, count);
        loadDeviceCatalogue();
        auto fake = std::make_unique<FakeHid>();
        FakeHid *raw = fake.get();
        DeviceContext::installHid(std::move(fake));
        return raw;
    }

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

    // A virtual NX-19 (installed once per test), opened as the program
    // opens a mouse.
    void open()
    {
        if (!m_mice)
            m_mice = installVirtualMice({"NX-19"});
        QCOMPARE(enumerateDevices(), 0);
        openDeviceByName("NX-19");
        QVERIFY(DeviceContext::interface0Handle());
        QVERIFY(DeviceContext::interface1Handle());
    }

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        m_mice = nullptr;
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

    // Notices are queued like a system's; the first arrival and the last
    // removal are told, and a removed active mouse hands over to one still
    // connected.
    void pluggingRaisesNoticesThroughTheEventLoop()
    {
        VirtualMouseBackend *mice = installVirtualMice({});
        QCOMPARE(enumerateDevices(), 0);
        DeviceConnection connection;
        connection.refreshDeviceList();
        QSignalSpy arrived(&connection, &DeviceConnection::firstMouseArrived);
        QSignalSpy replaced(&connection, &DeviceConnection::activeMouseRemoved);
        QSignalSpy gone(&connection, &DeviceConnection::lastMouseRemoved);

        QVERIFY(mice->plug("NX-05"));
        QCOMPARE(arrived.count(), 0); // queued, like a system notice
        QTRY_COMPARE(arrived.count(), 1);
        QCOMPARE(readProductName(), "NX-05");

        // More models while one is connected only refresh the list.
        QVERIFY(mice->plug("NX-19"));
        QVERIFY(mice->plug("NX-33"));
        QTRY_COMPARE(connection.connectedCount(), 3);
        QCOMPARE(arrived.count(), 1);
        QCOMPARE(readProductName(), "NX-05");

        QVERIFY(mice->unplug("NX-19"));
        QTRY_COMPARE(connection.connectedCount(), 2);
        QCOMPARE(replaced.count(), 0);
        QCOMPARE(readProductName(), "NX-05");
        QVERIFY(mice->unplug("NX-05"));
        QTRY_COMPARE(replaced.count(), 1);
        QCOMPARE(replaced.at(0).at(0).toString(), "NX-33");
        QCOMPARE(readProductName(), "NX-33");
        QCOMPARE(connection.connectedNames(), QStringList{"NX-33"});
        QCOMPARE(gone.count(), 0);

        QVERIFY(mice->unplug("NX-33"));
        QTRY_COMPARE(gone.count(), 1);
        QCOMPARE(connection.connectedCount(), 0);
        // Only recounted: the name stays for the mouse to come back.
        QCOMPARE(readProductName(), "NX-33");
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
        // A half-present model going with none connected goes quietly.
        connection.handleNotice(parseDeviceInterfaceName(first, false));
        QCOMPARE(e.found0 + e.found1, 0);
        QCOMPARE(gone.count(), 0);
        connection.handleNotice(parseDeviceInterfaceName(first, true));
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

    void normalizePath_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("normalized");
        QTest::addRow("linux node") << QByteArray("/dev/hidraw3") << QByteArray("/dev/hidraw3");
        QTest::addRow("windows path")
            << QByteArray("\\\\?\\hid#vid_1&pid_2") << QByteArray("\\\\?\\hid#vid_1&pid_2");
        QTest::addRow("prefix put in front twice")
            << QByteArray("\\\\?\\\\\\?\\hid#vid_1") << QByteArray("\\\\?\\hid#vid_1");
    }

    void normalizePath()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, normalized);
        QCOMPARE(HidapiBackend::normalizePath(path), normalized);
    }

    // The real backend, on a machine that may have no HID devices at all.
    void missingDevicesFailCleanly()
    {
        HidapiBackend hid;
        QCOMPARE(hid.init(), 0);
        QVERIFY(!hid.openPath("/nonexistent/hidraw99"));
        QCOMPARE(hid.releaseNumber("/nonexistent/hidraw99"), quint16(0));
        unsigned char buffer[16] = {2};
        QCOMPARE(hid.sendFeatureReport(nullptr, buffer, 16), -1);
        QCOMPARE(hid.getFeatureReport(nullptr, buffer, 16), -1);
        QCOMPARE(hid.read(nullptr, buffer, 8, 0), -1);
        QCOMPARE(hid.setNonblocking(nullptr, 1), -1);
        hid.close(nullptr);
        QCOMPARE(hid.exit(), 0);
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

    void readsEveryFieldOfEverySlot()
    {
        QList<CatalogueRow> rows;
        CatalogueRow a = row("NX-19", 0x1234, 0x100, 0x200);
        a.vid = 0x2345;
        a.usage0 = 2;
        a.usagePage0 = 0xFF10;
        a.usage1 = 3;
        a.usagePage1 = 0xFF11;
        rows << a;
        writeCatalogue(rows, 1);
        // A row beyond the count is still read into its slot.
        QSettings(globalConfigPath(), QSettings::IniFormat)
            .setValue("Mouse_List/PRODUCT_NAME_199", "LAST");
        // Loading forgets what the last scan found.
        DeviceCatalogue &c = DeviceContext::catalogue();
        c.entries[0].found0 = 1;
        std::strcpy(c.entries[0].path0, "/dev/hidraw3");
        c.entries[5].found1 = 1;

        loadDeviceCatalogue();
        QCOMPARE(c.count, 1u);
        QCOMPARE(c.entries[0].found0, 0);
        QCOMPARE(c.entries[0].path0[0], '\0');
        QCOMPARE(c.entries[5].found1, 0);
        const MouseListEntry &e = c.entries[0];
        QCOMPARE(e.vendorId, 0x2345u);
        QCOMPARE(e.productId, 0x1234u);
        QCOMPARE(e.versionMin, 0x100u);
        QCOMPARE(e.versionMax, 0x200u);
        QCOMPARE(e.usage0, 2u);
        QCOMPARE(e.usagePage0, 0xFF10u);
        QCOMPARE(e.usage1, 3u);
        QCOMPARE(e.usagePage1, 0xFF11u);
        QCOMPARE(QByteArray(e.productName), QByteArray("NX-19"));
        QCOMPARE(QByteArray(c.entries[199].productName), QByteArray("LAST"));
    }

    // A count above the table is cut to it; a number Qt would not read
    // reads as zero; a name of 200 two-byte characters, too long for a
    // folder, leaves its row empty, and the next row is read as usual.
    void valuesOutOfRange()
    {
        writeCatalogue({row(QString(200, QChar(0x00E9)), 1), row("NX-19", 2)}, 250);
        QSettings(globalConfigPath(), QSettings::IniFormat).setValue("Mouse_List/VID_1", "0xFFFF");
        loadDeviceCatalogue();
        const DeviceCatalogue &c = DeviceContext::catalogue();
        QCOMPARE(c.count, 200u);
        QCOMPARE(c.entries[1].vendorId, 0u);
        QCOMPARE(QByteArray(c.entries[0].productName), QByteArray());
        QCOMPARE(c.entries[0].productId, 0u);
        QCOMPARE(c.indexOfName("NX-19"), 1);
    }

    // One entry, one device of one interface: is it found, and where?
    void matching_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("releases"); // the entry's lowest, highest; the device's
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<quint16>("vid");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<quint16>("usagePage");
        QTest::addColumn<int>("found0");
        QTest::addColumn<int>("found1");
        auto add = [](const char *name, int count, int vid, int pid, int usagePage, int found0,
                      int found1, const QList<int> &releases = {0, 0, 1},
                      const QByteArray &path = "/dev/x") {
            QTest::addRow("%s", name) << count << releases << path << quint16(vid) << quint16(pid)
                                      << quint16(usagePage) << found0 << found1;
        };
        add("interface 0", 1, 0xFFFF, 7, 0xFF01, 1, 0);
        add("interface 1", 1, 0xFFFF, 7, 0xFF02, 0, 1);
        add("other usage page", 1, 0xFFFF, 7, 0xFF03, 0, 0);
        add("other vendor", 1, 0xFFFE, 7, 0xFF01, 0, 0);
        add("other product", 1, 0xFFFF, 8, 0xFF01, 0, 0);
        add("count 0 with entries present", 0, 0xFFFF, 7, 0xFF01, 0, 0);
        add("longest path", 1, 0xFFFF, 7, 0xFF01, 1, 0, {0, 0, 1}, QByteArray(254, 'p'));
        add("path too long", 1, 0xFFFF, 7, 0xFF02, 0, 0, {0, 0, 1}, QByteArray(255, 'q'));
        add("highest 0 accepts any release", 1, 0xFFFF, 7, 0xFF01, 1, 0, {0x500, 0, 1});
        add("highest 0 accepts 0", 1, 0xFFFF, 7, 0xFF01, 1, 0, {0, 0, 0});
        add("lowest release inclusive", 1, 0xFFFF, 7, 0xFF01, 1, 0, {0x100, 0x200, 0x100});
        add("highest release inclusive", 1, 0xFFFF, 7, 0xFF01, 1, 0, {0x100, 0x200, 0x200});
        add("release inside", 1, 0xFFFF, 7, 0xFF01, 1, 0, {0x100, 0x200, 0x150});
        add("release above", 1, 0xFFFF, 7, 0xFF01, 0, 0, {0x100, 0x200, 0x201});
        add("release below", 1, 0xFFFF, 7, 0xFF01, 0, 0, {0x100, 0x200, 0x0FF});
    }

    void matching()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, releases);
        QFETCH(QByteArray, path);
        QFETCH(quint16, vid);
        QFETCH(quint16, pid);
        QFETCH(quint16, usagePage);
        QFETCH(int, found0);
        QFETCH(int, found1);

        FakeHid *fake =
            catalogueOver({row("NX-19", 7, quint32(releases[0]), quint32(releases[1]))}, count);
        fake->devices << FakeHid::device(path, vid, pid, usagePage, 1, quint16(releases[2]));
        QCOMPARE(enumerateDevices(), 0);
        const MouseListEntry &e = DeviceContext::catalogue().entries[0];
        QCOMPARE(e.found0, found0);
        QCOMPARE(e.found1, found1);
        QCOMPARE(QByteArray(e.path0), found0 ? path : QByteArray());
        QCOMPARE(QByteArray(e.path1), found1 ? path : QByteArray());
    }

    void oneDeviceSatisfiesSeveralEntries()
    {
        FakeHid *fake = catalogueOver(
            {row("OLD", 7, 0x100, 0x1FF), row("ANY", 7, 0, 0), row("NEW", 7, 0x200, 0x2FF)});
        fake->devices << FakeHid::device("/dev/a", 0xFFFF, 7, 0xFF01, 1, 0x250)
                      << FakeHid::device("/dev/b", 0xFFFF, 7, 0xFF02, 1, 0x250);
        QCOMPARE(enumerateDevices(), 0);
        QCOMPARE(DeviceContext::catalogue().connectedNames(), QStringList({"ANY", "NEW"}));
    }

    void initFailureFindsNothingAndOpensNothing()
    {
        FakeHid *fake = catalogueOver({row("NX-19", 7)});
        fake->devices << FakeHid::device("/dev/a", 0xFFFF, 7, 0xFF01, 1)
                      << FakeHid::device("/dev/b", 0xFFFF, 7, 0xFF02, 1);
        fake->initResult = -1;
        QCOMPARE(enumerateDevices(), -1);
        QVERIFY(!DeviceContext::catalogue().entries[0].found0);
        DeviceContext::catalogue().entries[0].found0 = 1;
        DeviceContext::catalogue().entries[0].found1 = 1;
        openDeviceByName("NX-19");
        QVERIFY(fake->opened.isEmpty());
        QVERIFY(!DeviceContext::interface0Handle());
    }

    void lastQualifyingEntrySuppliesTheHandles()
    {
        FakeHid *fake = catalogueOver(
            {row("NX-19", 7, 0x100, 0x2FF), row("NX-05", 8), row("NX-19", 7, 0x200, 0x2FF)});
        DeviceCatalogue &c = DeviceContext::catalogue();
        const char *paths[3][2] = {{"/a0", "/a1"}, {"/b0", "/b1"}, {"/c0", "/c1"}};
        for (int i = 0; i < 3; ++i) {
            c.entries[i].storePath(0, paths[i][0]);
            c.entries[i].storePath(1, paths[i][1]);
            c.entries[i].found0 = c.entries[i].found1 = 1;
        }
        openDeviceByName("NX-19");
        QCOMPARE(fake->opened, QList<QByteArray>({"/c0", "/c1"}));
        auto *h0 = static_cast<FakeHid::Handle *>(DeviceContext::interface0Handle());
        auto *h1 = static_cast<FakeHid::Handle *>(DeviceContext::interface1Handle());
        QVERIFY(h0 && h1);
        QCOMPARE(h0->path, QByteArray("/c0"));
        QCOMPARE(h0->interfaceTag(), 0);
        QCOMPARE(h1->interfaceTag(), 1);

        closeDevice();
        QCOMPARE(fake->closed, QList<QByteArray>({"/c0", "/c1"}));
        QVERIFY(!DeviceContext::interface0Handle());
        QVERIFY(!DeviceContext::interface1Handle());

        // A model present with one interface only, or not at all, opens nothing.
        c.entries[0].found1 = c.entries[2].found1 = 0;
        fake->opened.clear();
        openDeviceByName("NX-19");
        openDeviceByName("NX-99");
        QVERIFY(fake->opened.isEmpty());
        QVERIFY(!DeviceContext::interface0Handle());
    }

    // The two reader threads over a virtual mouse. An open handle keeps the
    // reports that arrive before a reader's first read, so a reader need not
    // be waited for before the mouse reports.
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

    void hostActionButtonsReachTheInstalledActions()
    {
        open();
        performedCodes.clear(); // no reader runs yet
        DeviceContext::setHostActionHandler(&recordHostAction);
        VornHidReadThread reader;
        const auto join = joinAtExit({&reader});
        reader.start();
        QVERIFY(m_mice->pressHostAction("NX-19", 0x24));
        // Any report ID; codes 0x1F-0x26 after the 0xFF marker, nothing else.
        for (const char *hex :
             {"05ff240000000000", "01ff270000000000", "01ff1e0000000000", "01fe200000000000"})
            QVERIFY(m_mice->queueInputReport("NX-19", 0, QByteArray::fromHex(hex)));
        QVERIFY(m_mice->pressHostAction("NX-19", 0x1F));
        QVERIFY(m_mice->pressHostAction("NX-19", 0x26));
        QTRY_COMPARE(performed(), (QList<int>{0x24, 0x24, 0x1F, 0x26}));
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

    void closingTheDeviceEndsAStoppedReader()
    {
        VornHidReadThread first;
        VornHidReadThread2 second;
        const auto join = joinAtExit({&first, &second});
        // Without an open mouse both end at once.
        m_mice = installVirtualMice({"NX-19"});
        first.start();
        second.start();
        QVERIFY(first.wait(1000));
        QVERIFY(second.wait(1000));
        open();
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

QTEST_GUILESS_MAIN(TestDeviceConnection)
#include "tst_deviceconnection.moc"
