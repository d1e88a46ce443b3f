#include "common/MessageLog.h"
#include "common/TestHome.h"

#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QElapsedTimer>
#include <QtTest>

#include <limits>

// Numbers and colours in the files that the readers must not turn into
// something else: no wrapping, no undefined colour, no count walked blindly.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void wideNumbersAreClamped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("stage"); // a 32-bit unsigned field
        QTest::addColumn<qint64>("fun");   // a 32-bit signed field
        const qint64 uMax = std::numeric_limits<quint32>::max();
        const qint64 iMax = std::numeric_limits<qint32>::max();
        const qint64 iMin = std::numeric_limits<qint32>::min();
        QTest::addRow("past 2^31") << "3000000000" << qint64(3000000000) << iMax;
        QTest::addRow("2^32 + 1") << "4294967297" << uMax << iMax;
        QTest::addRow("past 64 bits") << "99999999999999999999999" << qint64(0) << qint64(0);
        QTest::addRow("below the int range") << "-4294967297" << qint64(0) << iMin;
        QTest::addRow("negative") << "-5" << qint64(0) << qint64(-5);
        QTest::addRow("plain") << "700" << qint64(700) << qint64(700);
    }

    void wideNumbersAreClamped()
    {
        QFETCH(QString, text);
        QFETCH(qint64, stage);
        QFETCH(qint64, fun);
        TestHome home;
        const QString path = home.path() + QStringLiteral("/wide.prof");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[PROFILE]\nDPI_INFO_1_x=" + text.toLatin1() +
                   "\nBUTTON_INFO_2_Fun=" + text.toLatin1() + "\n");
        file.close();
        ProfileData rec;
        readProfile(rec, path);
        QCOMPARE(qint64(rec.DPI_INFO[1].x), stage);
        QCOMPARE(qint64(rec.BUTTON_INFO[2].Fun), fun);
    }

    // A colour whose serialised model number is none of Qt's reads as
    // black, with a warning; a good colour next to it is unaffected.
    void unknownColourModelReadsBlack()
    {
        TestHome home;
        const QString path = home.path() + QStringLiteral("/colour.prof");
        {
            QSettings file(path, QSettings::IniFormat);
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_1_RGB"), QColor(10, 20, 30));
            file.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_2_RGB"), QColor(40, 50, 60));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        // The model number is the byte after the QColor type id; 0x7f is
        // none of Qt's.
        const QByteArray good = "LED_MODE_1_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff";
        const int at = text.indexOf(good);
        QVERIFY2(at >= 0, text.constData());
        text.replace(at, good.size(), "LED_MODE_1_RGB=@Variant(\\0\\0\\0\\x43\\x7f\\xff");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();

        MessageLog log("korvalen.store");
        ProfileData rec;
        readProfile(rec, path);
        QCOMPARE(rec.LED_MODE[1].RGB, LedColour::fromRgb(0, 0, 0));
        QCOMPARE(rec.LED_MODE[2].RGB, LedColour::fromRgb(40, 50, 60));
        QCOMPARE(log.messages.filter(QStringLiteral("LED_MODE_1_RGB")).size(), 1);
    }

    void listCountsAreBoundedByTheFile_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("expected");
        QTest::addRow("two billion") << "2000000000" << 2;
        QTest::addRow("past 2^32") << "8589934594" << 2;
        QTest::addRow("one short") << "1" << 1;
        QTest::addRow("negative") << "-3" << 0;
        QTest::addRow("as written") << "2" << 2;
    }

    void listCountsAreBoundedByTheFile()
    {
        QFETCH(QString, count);
        QFETCH(int, expected);
        TestHome home;
        writeProductName(QStringLiteral("NX-19"));
        QVERIFY(writeSavedNames({QStringLiteral("one"), QStringLiteral("two")}));
        {
            QSettings file(productConfigPath(), QSettings::IniFormat);
            file.setValue(QStringLiteral("PROFILE_LIST/Count"), count);
            file.setValue(QStringLiteral("PROFILE_LIST/SCount"), count);
            file.setValue(QStringLiteral("PROFILE_LIST/S2"), QStringLiteral("second"));
        }
        QElapsedTimer timer;
        timer.start();
        QStringList names;
        readSavedNames(names);
        QCOMPARE(names.size(), expected);
        QCOMPARE(isInSecondList(QStringLiteral("absent")), false);
        QVERIFY(timer.elapsed() < 2000);
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
