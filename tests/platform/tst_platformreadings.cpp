#include "platform/MailCommandLine.h"
#include "platform/PointerSpeedScale.h"

#include <QtTest>

#include <cmath>
#include <limits>

// Readings of the desktop's values: the 1-20 pointer speed against GNOME's
// -1..1 setting (10 steps of 1/9 below the default, 10 steps of 1/10 above
// it), and the mail program of a registered mailto command line.
class TestPlatformReadings : public QObject
{
    Q_OBJECT

private slots:
    void toGnome_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<double>("gnome");

        QTest::addRow("slowest") << 1 << -1.0;
        QTest::addRow("default") << 10 << 0.0;
        QTest::addRow("fastest") << 20 << 1.0;
        QTest::addRow("5") << 5 << -5.0 / 9;
        QTest::addRow("9") << 9 << -1.0 / 9;
        QTest::addRow("11") << 11 << 0.1;
        QTest::addRow("15") << 15 << 0.5;
        QTest::addRow("0 clamps") << 0 << -1.0;
        QTest::addRow("21 clamps") << 21 << 1.0;
    }

    void toGnome()
    {
        QFETCH(int, speed);
        QFETCH(double, gnome);
        QVERIFY2(std::abs(gnomeSpeedFromPointerSpeed(speed) - gnome) < 1e-12,
                 qPrintable(QString::number(gnomeSpeedFromPointerSpeed(speed), 'g', 17)));
    }

    void fromGnome_data()
    {
        QTest::addColumn<double>("gnome");
        QTest::addColumn<int>("speed");

        QTest::addRow("slowest") << -1.0 << 1;
        QTest::addRow("default") << 0.0 << 10;
        QTest::addRow("fastest") << 1.0 << 20;
        QTest::addRow("half above") << 0.5 << 15;
        QTest::addRow("third below") << -1.0 / 3 << 7;
        // 10 - 9 * 0.5 = 5.5 and 10 + 10 * 0.05 = 10.5 round up.
        QTest::addRow("half below") << -0.5 << 6;
        QTest::addRow("between 10 and 11") << 0.05 << 11;
        QTest::addRow("1/9 with round-off") << -0.11111111111111116 << 9;
        QTest::addRow("below range") << -2.0 << 1;
        QTest::addRow("above range") << 3.0 << 20;
        QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 10;
    }

    void fromGnome()
    {
        QFETCH(double, gnome);
        QFETCH(int, speed);
        QCOMPARE(pointerSpeedFromGnomeSpeed(gnome), speed);
    }

    void everySpeedRoundTrips()
    {
        for (int speed = kMinPointerSpeed; speed <= kMaxPointerSpeed; ++speed)
            QCOMPARE(pointerSpeedFromGnomeSpeed(gnomeSpeedFromPointerSpeed(speed)), speed);
    }

    // The program is started without arguments; the readings are worked
    // out by hand.
    void mailProgram_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("program");

        QTest::addRow("quoted path with arguments")
            << "\"C:\\Program Files\\Mail\\mail.exe\" -compose \"%1\""
            << "C:\\Program Files\\Mail\\mail.exe";
        QTest::addRow("quoted path alone") << "\"C:\\Mail\\mail.exe\""
                                           << "C:\\Mail\\mail.exe";
        // Without a quote after the first character the whole rest is taken,
        // arguments and all.
        QTest::addRow("unquoted path with argument") << "C:\\Mail\\mail.exe /m %1"
                                                     << ":\\Mail\\mail.exe /m %1";
        QTest::addRow("opening quote only") << "\"C:\\Mail\\mail.exe"
                                            << "C:\\Mail\\mail.exe";
        // A quote at position 0 is not the closing one even when the next
        // character is a quote too.
        QTest::addRow("empty quotes") << "\"\" x" << QString();
        QTest::addRow("unquoted path, quoted argument") << "mail.exe \"%1\""
                                                        << "ail.exe ";
        // A missing registry value reads as the text "true".
        QTest::addRow("missing value") << "true"
                                       << "rue";
        QTest::addRow("one character") << "\"" << QString();
        QTest::addRow("empty") << QString() << QString();
    }

    void mailProgram()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, program);
        QCOMPARE(mailProgramFromCommandLine(commandLine), program);
    }
};

QTEST_GUILESS_MAIN(TestPlatformReadings)
#include "tst_platformreadings.moc"
