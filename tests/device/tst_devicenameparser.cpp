#include "device/DeviceNameParser.h"

#include <QtTest>

class TestDeviceNameParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interfaceIndex");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addRow("col01 upper")
            << "HID#VID_258A&PID_1007&MI_02&COL01#8&2d3b&0&0000#{guid}" << 0 << 0x258A << 0x1007;
        QTest::addRow("col02 upper")
            << "HID#VID_258A&PID_1007&MI_02&COL02#8&2d3b&0&0001#{guid}" << 1 << 0x258A << 0x1007;
        QTest::addRow("lower") << "hid#vid_258a&pid_1007&mi_02&col02#8&2d3b" << 1 << 0x258A
                               << 0x1007;
        QTest::addRow("mixed") << "\\\\?\\Hid#Vid_aBcD&pId_00Ef&Mi_02&cOl01#x" << 0 << 0xABCD
                               << 0x00EF;
        QTest::addRow("other interface") << "HID#VID_258A&PID_1007&MI_01&COL01#x" << -1 << 0 << 0;
        QTest::addRow("third collection") << "HID#VID_258A&PID_1007&MI_02&COL03#x" << -1 << 0 << 0;
        QTest::addRow("no collection") << "HID#VID_258A&PID_1007&MI_02#x" << -1 << 0 << 0;
        QTest::addRow("not hex") << "HID#VID_ZZZZ&PID_1007&MI_02&COL01#x" << 0 << 0 << 0x1007;
        QTest::addRow("empty") << "" << -1 << 0 << 0;
    }

    void parse()
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
};

QTEST_GUILESS_MAIN(TestDeviceNameParser)
#include "tst_devicenameparser.moc"
