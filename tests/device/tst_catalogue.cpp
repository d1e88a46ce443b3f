#include "common/CatalogueFile.h"
#include "common/CleanHome.h"
#include "common/FakeHid.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"

#include <QtTest>

#include <cstring>

class TestCatalogue : public QObject
{
    Q_OBJECT

private:
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

    std::unique_ptr<CleanHome> m_home;

private slots:
    void init() { m_home = std::make_unique<CleanHome>(); }
    void cleanup() { m_home.reset(); }

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

        loadDeviceCatalogue();
        const DeviceCatalogue &c = DeviceContext::catalogue();
        QCOMPARE(c.count, 1u);
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

    void loadingClearsFoundFlagsAndPaths()
    {
        writeCatalogue({row("NX-19", 1)});
        DeviceCatalogue &c = DeviceContext::catalogue();
        c.entries[0].found0 = 1;
        std::strcpy(c.entries[0].path0, "/dev/hidraw3");
        c.entries[5].found1 = 1;
        loadDeviceCatalogue();
        QCOMPARE(c.entries[0].found0, 0);
        QCOMPARE(c.entries[0].path0[0], '\0');
        QCOMPARE(c.entries[5].found1, 0);
    }

    // A count above the table is cut to it; a number Qt would not read
    // reads as zero.
    void countAndNumbersOutOfRange()
    {
        writeCatalogue({row("NX-19", 1)}, 250);
        QSettings(globalConfigPath(), QSettings::IniFormat).setValue("Mouse_List/VID_0", "0xFFFF");
        loadDeviceCatalogue();
        QCOMPARE(DeviceContext::catalogue().count, 200u);
        QCOMPARE(DeviceContext::catalogue().entries[0].vendorId, 0u);
    }

    void nameThatCannotBeAFolderIsSkipped()
    {
        // 200 two-byte characters: too long for a folder name; the row
        // matches nothing, the next row is read as usual.
        writeCatalogue({row(QString(200, QChar(0x00E9)), 1), row("NX-19", 2)});
        loadDeviceCatalogue();
        QCOMPARE(QByteArray(DeviceContext::catalogue().entries[0].productName), QByteArray());
        QCOMPARE(DeviceContext::catalogue().entries[0].productId, 0u);
        QCOMPARE(DeviceContext::catalogue().indexOfName("NX-19"), 1);
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
    }

    void openingAHalfPresentOrUnknownModelKeepsTheHandles()
    {
        FakeHid *fake = catalogueOver({row("NX-19", 7), row("NX-05", 8)});
        DeviceCatalogue &c = DeviceContext::catalogue();
        c.entries[0].storePath(0, "/a0");
        c.entries[0].found0 = 1;
        openDeviceByName("NX-19");
        openDeviceByName("NX-99");
        QVERIFY(fake->opened.isEmpty());
        QVERIFY(!DeviceContext::interface0Handle());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
