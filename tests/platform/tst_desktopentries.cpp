#include "platform/linux/DesktopEntries.h"

#include "common/ScopedEnvironment.h"
#include "common/TestHome.h"

#include <QtTest>

// Finding the default browser and its command line in freedesktop.org
// desktop files and association lists.
class TestDesktopEntries : public QObject
{
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("value");

        auto add = [](const char *name, const QString &contents, const QString &value) {
            QTest::addRow("%s", name) << contents << value;
        };
        const QString entry = "[Desktop Entry]\n";
        const QString other = "[Desktop Action new]\nExec=other --new\n";
        add("plain", entry + "Name=B\nExec=browser %u\n", "browser %u");
        add("same key in another group first", other + entry + "Exec=browser\n", "browser");
        add("same key in another group after", entry + "Exec=browser\n" + other, "browser");
        add("spaces around the equals sign", entry + "Exec = browser\n", "browser");
        add("longer key with the same start", entry + "Executable=no\nTryExec=no\nExec=yes\n",
            "yes");
        add("comment", entry + "# Exec=no\nExec=yes\n", "yes");
        add("escapes", entry + "Exec=a\\sb\\\\c\\td\n", "a b\\c\td");
        add("quoting escape kept for the split", entry + "Exec=\"a\\\"b\"\n", "\"a\\\"b\"");
        add("carriage returns", "[Desktop Entry]\r\nExec=browser\r\n", "browser");
        add("group missing", other, QString());
        add("key missing", entry + "Name=B\n", QString());
    }

    void value()
    {
        QFETCH(QString, contents);
        QFETCH(QString, value);
        const QString found = desktopEntryValue(contents, "Desktop Entry", "Exec");
        QCOMPARE(found, value);
        QCOMPARE(found.isNull(), value.isNull());
    }

    void exec_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("command");

        QTest::addRow("URL field code") << "firefox-esr %u" << QStringList{"firefox-esr"};
        QTest::addRow("URL list field code")
            << "/usr/bin/chromium %U" << QStringList{"/usr/bin/chromium"};
        QTest::addRow("quoted path with a space")
            << "\"/opt/My Browser/browser\" --new-window %u"
            << QStringList{"/opt/My Browser/browser", "--new-window"};
        QTest::addRow("environment wrapper")
            << "env MOZ_X=1  firefox\t%u" << QStringList{"env", "MOZ_X=1", "firefox"};
        QTest::addRow("escapes in quotes")
            << "\"/a/b\\\"c\" \"d\\\\e\" \"\\$f\"" << QStringList{"/a/b\"c", "d\\e", "$f"};
        QTest::addRow("literal percent")
            << "browser --title=50%% %U" << QStringList{"browser", "--title=50%"};
        QTest::addRow("icon, name and file codes") << "browser %i %c %k" << QStringList{"browser"};
        QTest::addRow("field code inside a word")
            << "browser --url=%u" << QStringList{"browser", "--url="};
        QTest::addRow("empty quoted argument")
            << "browser \"\"" << QStringList{"browser", QString()};
        QTest::addRow("empty") << QString() << QStringList();
        QTest::addRow("unterminated quote") << "\"/opt/browser %u" << QStringList();
        QTest::addRow("percent at the end") << "browser %" << QStringList();
    }

    void exec()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, command);
        QCOMPARE(splitDesktopExec(exec), command);
    }

    // The lists are read in XDG order, the desktop's own list first; an
    // ID whose desktop file is not installed is passed over.
    void defaultApplication_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("configList");
        QTest::addColumn<QString>("desktopList");
        QTest::addColumn<QString>("dataList");
        QTest::addColumn<QString>("id");

        const QString none;
        QTest::addRow("user list")
            << none << listing("b.desktop") << none << listing("c.desktop") << "b.desktop";
        QTest::addRow("desktop list wins") << "X-Test:GNOME" << listing("b.desktop")
                                           << listing("c.desktop") << none << "c.desktop";
        QTest::addRow("desktop list of another desktop")
            << "KDE" << listing("b.desktop") << listing("c.desktop") << none << "b.desktop";
        QTest::addRow("uninstalled first entry")
            << none << listing("gone.desktop;c.desktop;b.desktop") << none << none << "c.desktop";
        QTest::addRow("only uninstalled in user list")
            << none << listing("gone.desktop") << none << listing("b.desktop") << "b.desktop";
        QTest::addRow("other section only")
            << none << "[Added Associations]\nx-scheme-handler/http=b.desktop\n"
            << none << none << QString();
        QTest::addRow("nothing") << none << none << none << none << QString();
    }

    void defaultApplication()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, configList);
        QFETCH(QString, desktopList);
        QFETCH(QString, dataList);
        QFETCH(QString, id);

        TestHome home;
        const QString config = home.path() + "/config";
        const QString apps = home.dataHome() + "/applications";
        ScopedEnvironment env({{"XDG_CONFIG_HOME", config.toLocal8Bit()},
                               {"XDG_CONFIG_DIRS", home.path().toLocal8Bit() + "/no-config"},
                               {"XDG_DATA_DIRS", home.path().toLocal8Bit() + "/no-data"},
                               {"XDG_CURRENT_DESKTOP", desktop.toLocal8Bit()}});
        QVERIFY(QDir().mkpath(config));
        QVERIFY(QDir().mkpath(apps));
        for (const char *name : {"b.desktop", "c.desktop"})
            write(apps + QLatin1Char('/') + QLatin1String(name), "[Desktop Entry]\nExec=b\n");
        write(config + "/mimeapps.list", configList);
        write(config + "/x-test-mimeapps.list", desktopList);
        write(apps + "/mimeapps.list", dataList);

        QCOMPARE(defaultApplicationFor(QStringLiteral("x-scheme-handler/http")), id);
    }

    void command()
    {
        TestHome home;
        const QString apps = home.dataHome() + "/applications";
        QVERIFY(QDir().mkpath(apps));
        ScopedEnvironment env({{"XDG_DATA_DIRS", home.path().toLocal8Bit() + "/no-data"}});
        write(apps + "/b.desktop",
              QStringLiteral("[Desktop Entry]\nName=B\nExec=\"/opt/b b/b\" -x %U\n"
                             "[Desktop Action private]\nExec=b --private %U\n"));
        QCOMPARE(desktopFileCommand(QStringLiteral("b.desktop")),
                 (QStringList{QStringLiteral("/opt/b b/b"), QStringLiteral("-x")}));
        QCOMPARE(desktopFileCommand(QStringLiteral("missing.desktop")), QStringList());
        QCOMPARE(desktopFileCommand(QStringLiteral("../applications/b.desktop")), QStringList());
    }

private:
    static QString listing(const QString &ids)
    {
        return "[Default Applications]\nx-scheme-handler/http=" + ids + QLatin1Char('\n');
    }

    static void write(const QString &path, const QString &contents)
    {
        if (contents.isNull())
            return;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntries)
#include "tst_desktopentries.moc"
