#include "common/CatalogueFile.h"
#include "common/TestHome.h"

#include "device/hid/HidTrace.h"
#include "device/hid/VirtualMouseBackend.h"

#include <QRegularExpression>
#include <QtTest>

class TestHidTrace : public QObject
{
    Q_OBJECT

private slots:
    // Each call of a session as one line: the time, the call, the interface,
    // the bytes that went or came, and ERR on failure (a failed fetch or read
    // has no bytes to show).
    void tracesEveryReportOfARealSession()
    {
        TestHome home;
        writeCatalogue({row("NX-19", 0x13)});
        const QString file = home.path() + "/trace.txt";
        auto mice = std::make_unique<VirtualMouseBackend>(QStringList{"NX-19"});
        VirtualMouseBackend *virtualMice = mice.get();
        {
            HidTrace trace(std::move(mice), file);
            QVERIFY(trace.isOpen());
            QCOMPARE(trace.init(), 0);
            HidDevice *h0 = trace.openPath(VirtualMouseBackend::pathOf("NX-19", 0));
            HidDevice *h1 = trace.openPath(VirtualMouseBackend::pathOf("NX-19", 1));
            h0->setInterfaceTag(0);
            h1->setInterfaceTag(1);

            unsigned char write[16] = {2, 0xF3, 0x2C, 0, 1, 0, 0, 0, 3};
            QCOMPARE(trace.sendFeatureReport(h1, write, 16), 16);
            QTest::qWait(2);
            unsigned char arm[16] = {2, 0xF2, 0x2C, 0, 1};
            QCOMPARE(trace.sendFeatureReport(h1, arm, 16), 16);
            unsigned char get[16] = {2};
            QCOMPARE(trace.getFeatureReport(h1, get, 16), 16);
            unsigned char badLength[15] = {2, 0xF1, 2, 1};
            QCOMPARE(trace.sendFeatureReport(h1, badLength, 15), -1);
            QCOMPARE(trace.getFeatureReport(h1, badLength, 15), -1);
            QVERIFY(virtualMice->pressHostAction("NX-19", 0x20));
            unsigned char input[8];
            QCOMPARE(trace.read(h0, input, 8, 100), 8);
            QCOMPARE(trace.read(h0, input, 8, 0), 0); // nothing: no line
            trace.close(h0);
            QCOMPARE(trace.read(h0, input, 8, 0), -1);
        }

        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 8); // seven lines and the final newline
        QVERIFY(lines.last().isEmpty());
        const QRegularExpression pattern(
            "^(\\d+\\.\\d) (set_feature|get_feature|read) (0|1) ([0-9a-f]*)( ERR)?$");
        const QStringList expected{
            "set_feature 1 02f32c00010000000300000000000000",
            "set_feature 1 02f22c00010000000000000000000000",
            "get_feature 1 02f22c00010000000300000000000000",
            QStringLiteral("set_feature 1 02f10201%1 ERR").arg(QString(22, QLatin1Char('0'))),
            "get_feature 1  ERR",
            "read 0 01ff200000000000",
            "read 0  ERR",
        };
        double previous = -1;
        for (int i = 0; i < expected.size(); ++i) {
            const QString line = QString::fromLatin1(lines.at(i));
            const QRegularExpressionMatch m = pattern.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            const double ms = m.captured(1).toDouble();
            QVERIFY(ms >= previous);
            previous = ms;
            QCOMPARE(line.mid(line.indexOf(' ') + 1), expected.at(i));
        }
        QVERIFY(previous >= 2.0); // the wait shows in the times
    }
};

QTEST_GUILESS_MAIN(TestHidTrace)
#include "tst_hidtrace.moc"
