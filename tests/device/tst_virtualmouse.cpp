#include "common/CatalogueFile.h"
#include "common/ReportLog.h"
#include "common/TestHome.h"

#include "device/hid/HidTrace.h"
#include "device/hid/VirtualMouseBackend.h"
#include "device/hid/VirtualMouseControl.h"

#include <QLocalSocket>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kMouse = "NX-19";

using Frames::rawWrite;

QByteArray commandFrame(int command, int b2, int b3, int b4 = 0)
{
    return Frames::raw(2, 16, command, b2, b3, b4);
}

} // namespace

class TestVirtualMouse : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<VirtualMouseBackend> m_mice;
    HidDevice *m_if0 = nullptr;
    HidDevice *m_if1 = nullptr;

    int send(const QByteArray &frame, HidDevice *device = nullptr)
    {
        return m_mice->sendFeatureReport(device ? device : m_if1,
                                         reinterpret_cast<const unsigned char *>(frame.constData()),
                                         std::size_t(frame.size()));
    }

    QByteArray readInput(HidDevice *device, int timeoutMs = 1000)
    {
        unsigned char buffer[8] = {};
        const int n = m_mice->read(device, buffer, sizeof(buffer), timeoutMs);
        if (n <= 0)
            return QByteArray::number(n);
        return QByteArray(reinterpret_cast<char *>(buffer), n);
    }

    void openBoth()
    {
        m_if0 = m_mice->openPath(VirtualMouseBackend::pathOf(kMouse, 0));
        m_if1 = m_mice->openPath(VirtualMouseBackend::pathOf(kMouse, 1));
        QVERIFY(m_if0 && m_if1);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        CatalogueRow nx19 = row(kMouse, 0x0013, 0x0105, 0x0110);
        nx19.usage0 = 6;
        nx19.usagePage0 = 0xFF60;
        nx19.usage1 = 7;
        nx19.usagePage1 = 0xFF61;
        // Only the first entry with the name gives the identity.
        writeCatalogue({row("NX-05", 5), nx19, row(kMouse, 0x0099)});
        m_mice = std::make_unique<VirtualMouseBackend>(QStringList{kMouse});
        QCOMPARE(m_mice->init(), 0);
        openBoth();
    }
    void cleanup()
    {
        m_mice.reset();
        m_home.reset();
    }

    void identityComesFromTheFirstCatalogueEntry()
    {
        const QVector<HidDeviceInfo> all = m_mice->enumerate(0, 0);
        QCOMPARE(all.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(all[i].vendorId, quint16(0xFFFF));
            QCOMPARE(all[i].productId, quint16(0x0013));
            QCOMPARE(all[i].releaseNumber, quint16(0x0105));
            QCOMPARE(all[i].path, VirtualMouseBackend::pathOf(kMouse, i));
            QCOMPARE(m_mice->releaseNumber(all[i].path), quint16(0x0105));
        }
        QCOMPARE(all[0].usage, quint16(6));
        QCOMPARE(all[0].usagePage, quint16(0xFF60));
        QCOMPARE(all[1].usage, quint16(7));
        QCOMPARE(all[1].usagePage, quint16(0xFF61));
        QCOMPARE(m_mice->enumerate(0xFFFF, 0x0013).size(), 2);
        QCOMPARE(m_mice->enumerate(0xFFFF, 0x0005).size(), 0);
        QVERIFY(!m_mice->plug("NX-77"));             // no catalogue entry
        QVERIFY(!m_mice->switchProfile("NX-05", 1)); // catalogued, not a virtual mouse
    }

    // Each frame sent on an interface, then a fetch of the same report ID
    // and length on it.
    void reports_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("interfaceIndex");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("fetched");
        auto add = [](const char *name, const QByteArray &frame, bool accepted, bool fetched,
                      int interfaceIndex = 1) {
            QTest::addRow("%s", name) << frame << interfaceIndex << accepted << fetched;
        };
        auto length = [](int reportId, int length) {
            return rawWrite(reportId, length, 0x100, QByteArray("\x05\x06", 2));
        };
        add("2 of 16", length(2, 16), true, true);
        add("2 of 64", length(2, 64), false, false);
        add("2 of 15", length(2, 15), false, false);
        add("3 of 64", length(3, 64), true, true);
        add("3 of 16", length(3, 16), false, false);
        add("4 of 1024", length(4, 1024), true, true);
        add("4 of 64", length(4, 64), false, false);
        add("5 of 16", length(5, 16), false, false);
        add("1 of 16", length(1, 16), false, false);
        add("2 of 16 on interface 0", length(2, 16), false, false, 0);
        add("16-byte write of 8 bytes", rawWrite(2, 16, 0x040, QByteArray(8, '\x11')), true, true);
        add("16-byte write of 9 bytes overruns the report",
            rawWrite(2, 16, 0x040, QByteArray(9, '\x11')), false, false);
        add("macro block of 200 bytes at the last macro",
            rawWrite(4, 1024, 0x478 + 200 * 19, QByteArray(200, '\x22')), true, true);
        add("last byte of the memory", rawWrite(2, 16, 0x1FFF, QByteArray(1, '\x33')), true, true);
        add("past the end of the memory", rawWrite(2, 16, 0x1FFE, QByteArray(3, '\x33')), false,
            true);
        add("read past the end of the memory", commandFrame(0xF2, 0xFF, 0x1F, 2), false, true);
        add("unknown command", commandFrame(0xF4, 0, 0), false, true);
    }

    void reports()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, interfaceIndex);
        QFETCH(bool, accepted);
        QFETCH(bool, fetched);
        HidDevice *device = interfaceIndex ? m_if1 : m_if0;
        QCOMPARE(send(frame, device), accepted ? frame.size() : -1);
        const int address = uchar(frame[2]) | (uchar(frame[3]) << 8);
        const int count = uchar(frame[4]);
        if (uchar(frame[1]) == 0xF3 && address + count <= VirtualMouseBackend::kMemorySize)
            QCOMPARE(m_mice->memory(kMouse, address, count),
                     accepted ? frame.mid(8, count) : QByteArray(count, '\0'));

        QByteArray buffer(frame.size(), '\0');
        buffer[0] = frame[0];
        QCOMPARE(m_mice->getFeatureReport(device, reinterpret_cast<unsigned char *>(buffer.data()),
                                          std::size_t(buffer.size())),
                 fetched ? frame.size() : -1);
    }

    void physicalActions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("interfaceIndex");
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        // Profile 3 (index 2) is active for the rows after the switch: its
        // block starts at 0x1B0, its rate at 0x036, its lighting at 0x459.
        auto add = [](const char *name, const char *action, int interfaceIndex, const char *report,
                      int address, int value) {
            QTest::addRow("%s", name) << QString::fromLatin1(action) << interfaceIndex
                                      << QByteArray::fromHex(report) << address << value;
        };
        add("profile", "profile", 1, "0801020000000000", 0x02C, 2);
        add("dpi", "dpi", 1, "0802040000000000", 0x1B2, 4);
        add("rate", "rate", 1, "0806030000000000", 0x036, 3);
        add("light code", "light", 1, "0809000500010000", 0x45C, 5);
        add("light variant", "light", 1, "0809000500010000", 0x45E, 1);
        add("host", "host", 0, "01ff240000000000", -1, 0);
    }

    void physicalActions()
    {
        QFETCH(QString, action);
        QFETCH(int, interfaceIndex);
        QFETCH(QByteArray, report);
        QFETCH(int, address);
        QFETCH(int, value);

        if (action != "profile") {
            QVERIFY(m_mice->switchProfile(kMouse, 2));
            QCOMPARE(readInput(m_if1).at(1), '\x01');
        }
        HidDevice *second = m_mice->openPath(VirtualMouseBackend::pathOf(kMouse, interfaceIndex));
        bool ok = false;
        if (action == "profile")
            ok = m_mice->switchProfile(kMouse, 2);
        else if (action == "dpi")
            ok = m_mice->switchDpiStage(kMouse, 4);
        else if (action == "rate")
            ok = m_mice->switchReportRate(kMouse, 3);
        else if (action == "light")
            ok = m_mice->switchLighting(kMouse, 5, 1);
        else
            ok = m_mice->pressHostAction(kMouse, 0x24);
        QVERIFY(ok);
        QCOMPARE(readInput(interfaceIndex ? m_if1 : m_if0), report);
        QCOMPARE(readInput(second), report); // each open handle has its own copy
        // Nothing is delivered on the other interface.
        QCOMPARE(readInput(interfaceIndex ? m_if0 : m_if1, 0), QByteArray("0"));
        if (address >= 0)
            QCOMPARE(int(uchar(m_mice->memory(kMouse, address, 1).at(0))), value);
    }

    // A report to no handle is tst_applystore's (a sender without a mouse).
    void readTimesOutOrPollsEmpty()
    {
        QCOMPARE(readInput(m_if1, 30), QByteArray("0"));
        QCOMPARE(m_mice->setNonblocking(m_if1, 1), 0);
        QCOMPARE(readInput(m_if1, -1), QByteArray("0"));
        QCOMPARE(readInput(nullptr, 0), QByteArray("-1"));
        QCOMPARE(m_mice->setNonblocking(nullptr, 1), -1);
        m_mice->close(nullptr);
    }

    void unplugAndReplug()
    {
        QSignalSpy notices(m_mice.get(), &VirtualMouseBackend::deviceNotice);
        QVERIFY(send(rawWrite(2, 16, 0x40, QByteArray(1, '\x09'))) > 0);
        QVERIFY(m_mice->unplug(kMouse));
        QVERIFY(!m_mice->unplug(kMouse));
        QCOMPARE(m_mice->enumerate(0, 0).size(), 0);
        QCOMPARE(send(rawWrite(2, 16, 0x40, QByteArray(1, '\x09'))), -1);
        QVERIFY(!m_mice->openPath(VirtualMouseBackend::pathOf(kMouse, 1)));

        QVERIFY(m_mice->plug(kMouse));
        QVERIFY(!m_mice->plug(kMouse));
        // Old handles stay dead; the memory is fresh.
        QCOMPARE(send(rawWrite(2, 16, 0x40, QByteArray(1, '\x09'))), -1);
        QCOMPARE(m_mice->memory(kMouse, 0x40, 1), QByteArray(1, '\0'));
        openBoth();
        QVERIFY(send(rawWrite(2, 16, 0x40, QByteArray(1, '\x09'))) > 0);

        // What the notices carry is tst_deviceconnection's: a model comes
        // and goes through them.
        QCOMPARE(notices.count(), 4);
    }

    void control_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        auto add = [](const char *command, const char *answer) {
            QTest::addRow("%s", command)
                << QString::fromLatin1(command) << QString::fromLatin1(answer);
        };
        add("profile NX-19 3", "ok");
        add("dpi NX-19 0x2", "ok"); // a hex number
        add("rate NX-19 2", "ok");
        add("light NX-19 1 4", "ok");
        add("host NX-19 0x1F", "ok");
        add("fail NX-19 2", "ok");
        add("memory NX-19 0x2C 1", "03");
        add("refreshes NX-19", ""); // none yet
        add("profile NX-99 1", "error: no virtual mouse NX-99");
        add("jump NX-19", "error: unknown command jump");
        add("profile NX-19 x", "error: not a number: x");
        add("light NX-19 1", "error: missing arguments");
        add("profile NX-19 5", "error: profile must be 0-4 on a plugged mouse");
        add("dpi NX-19 -1", "error: stage must be 0-4 on a plugged mouse");
        add("light NX-19 256 0", "error: code and variant must be bytes on a plugged mouse");
        add("memory NX-19 8190 4", "error: range outside the memory");
        add("unplug NX-19", "ok");
    }

    void control()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        VirtualMouseControl control(m_mice.get());
        if (command.startsWith("memory NX-19 0x2C"))
            QCOMPARE(control.execute("profile NX-19 3"), "ok");
        QCOMPARE(control.execute(command), answer);
    }

    void controlNamesWithSpaces()
    {
        writeCatalogue({row("TEST xx", 0x3B)});
        VirtualMouseControl control(m_mice.get());
        QCOMPARE(control.execute("plug TEST xx"), "ok");
        QVERIFY(m_mice->isPlugged("TEST xx"));
        QCOMPARE(control.execute("profile TEST xx 4"), "ok");
        QCOMPARE(control.execute("memory TEST xx 44 1"), "04");
    }

    void controlSocket()
    {
        const QString socketPath = m_home->runtimeDir() + "/control";
        auto *control = new VirtualMouseControl(m_mice.get(), m_mice.get());
        QVERIFY(control->listen(socketPath));
        QVERIFY(send(commandFrame(0xF1, 2, 8)) > 0);
        QVERIFY(send(commandFrame(0xF1, 2, 1)) > 0);

        QLocalSocket socket;
        socket.connectToServer(socketPath);
        QVERIFY(socket.waitForConnected(1000));
        socket.write("refreshes NX-19\nbogus\n");
        QTRY_VERIFY(socket.canReadLine());
        QCOMPARE(socket.readLine(), QByteArray("8 1\n"));
        QTRY_VERIFY(socket.canReadLine());
        QCOMPARE(socket.readLine(), QByteArray("error: unknown command bogus\n"));
    }

    // Each call of a session as one line: the time, the call, the interface,
    // the bytes that went or came, and ERR on failure (a failed fetch or read
    // has no bytes to show).
    void tracesEveryReportOfARealSession()
    {
        const QString file = m_home->path() + "/trace.txt";
        VirtualMouseBackend *virtualMice = m_mice.get();
        {
            HidTrace trace(std::move(m_mice), file);
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

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "tst_virtualmouse.moc"
