#include "platform/MailCommandLine.h"

#include <QtTest>

// The program of the registered mailto command line is started without
// arguments; the readings below are worked out by hand.
class TestMailCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void program_data()
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

    void program()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, program);
        QCOMPARE(mailProgramFromCommandLine(commandLine), program);
    }
};

QTEST_GUILESS_MAIN(TestMailCommandLine)
#include "tst_mailcommandline.moc"
