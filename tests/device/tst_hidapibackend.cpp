#include "device/hid/HidapiBackend.h"

#include <QtTest>

// The real backend, on a machine that may have no HID devices at all.
class TestHidapiBackend : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_GUILESS_MAIN(TestHidapiBackend)
#include "tst_hidapibackend.moc"
