#include "common/AnsweredBoxes.h"
#include "common/CtlProcess.h"
#include "common/FileBytes.h"
#include "common/HostileValues.h"
#include "common/UiHome.h"

#include "app/MousecfgWidget.h"
#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"
#include "store/ProfileTransfer.h"
#include "store/StoreContext.h"

#include <QtTest>

// Serialised values that claim more than their line holds (see
// HostileValues.h), put into one section of one kind of file, run through
// every path that reads that file: the window's start, korvalen-ctl list,
// get, set and apply, IMPORT MACRO and SAVE of the imported macro, and
// profile LOAD. Nothing ends; every path does what it does without them,
// and the lines stay in the files as they stand.
class TestHostileIni : public QObject
{
    Q_OBJECT

private:
    const QString m_model = "NX-19";
    QStringList m_clean; // what the paths do on files without those lines
    QStringList m_names; // of the five profiles
    std::unique_ptr<UiHome> m_home;
    AnsweredBoxes m_boxes; // any box is answered Ok

    QString source(const QString &file) const
    {
        return TestHome::dataFolderIn(qEnvironmentVariable("XDG_DATA_HOME")) + "/../" + file;
    }

    // The files of a first start, a macro in the library, and a profile
    // and two macros to import from elsewhere.
    void seed()
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        writeProductName(m_model);
        ProfileStore store;
        QVERIFY(loadProductStore(store));
        m_names = QStringList(std::begin(store.profileNames), std::end(store.profileNames));
        QVERIFY(QFile::copy(QStringLiteral(KORVALEN_TEST_DATA "/../fuzz/corpus/macro_file/"
                                                              "burst.MSMACRO"),
                            source("Burst.MSMACRO")));
        QByteArray text = "[Setting]\nCount=64\n";
        for (int i = 0; i < 64; ++i)
            text += QStringLiteral("Map_%1=132\nDataH_%1=0\nDataL_%1=%2\n")
                        .arg(i)
                        .arg(4 + i % 26)
                        .toLatin1();
        QVERIFY(writeFileBytes(source("Long.MSMACRO"), text));
        QVERIFY(addToMacroLibrary("kept"));
        QVERIFY(exportProfileFile(store.profileNames[1], m_model, source("Loaded.prof"), nullptr));
    }

    // The files of one kind that the paths read.
    QStringList files(const QString &kind)
    {
        if (kind == QLatin1String("global"))
            return {globalConfigPath()};
        if (kind == QLatin1String("product"))
            return {productConfigPath()};
        if (kind == QLatin1String("macro"))
            return {source("Burst.MSMACRO"), source("Long.MSMACRO")};
        QStringList profiles{source("Loaded.prof")};
        for (const QString &name : qAsConst(m_names))
            profiles << profileFilePath(name);
        return profiles;
    }

    // What each path gives, as text to compare.
    QStringList readEveryPath()
    {
        QStringList seen;
        const QString trace = source("trace");
        const QMap<QString, QString> env{{"KORVALEN_HID_TRACE", trace}};
        for (const QStringList &args :
             {QStringList{"list"}, QStringList{"get"}, QStringList{"set", "report-rate", "500"},
              QStringList{"get", "report-rate"}, QStringList{"apply"}}) {
            const CtlResult run = runCtl(*m_home, QStringList{"--virtual", m_model} + args, env);
            seen << args.join(' ') + QStringLiteral(": %1 ").arg(run.status) + run.out + run.err;
        }
        seen << tracedFeatureReports(trace);

        installVirtualMice({m_model});
        {
            MousecfgWidget window;
            QCoreApplication::processEvents();
            const ProfileStore &store = StoreContext::store();
            for (int i = 0; i < kProfileCount; ++i)
                seen << store.profileNames[i] +
                            QStringLiteral(" %1").arg(store.profiles[i].pollrate);
            seen << macroLibrary();
        }
        closeDevice();

        for (const QString name : {"Burst", "Long"}) {
            const MacroImport imported = importMacroFile(source(name + ".MSMACRO"));
            MacroFileData macro = readMacroFile(name);
            seen << QStringLiteral("import %1: %2 events")
                        .arg(int(imported))
                        .arg(macro.texts.join(','));
            seen << QStringLiteral("save %1").arg(writeMacroFile(name, macro));
            seen << readMacroFile(name).texts;
        }

        ProfileStore store;
        loadStore(store);
        QStringList list;
        const ProfileImport loaded =
            importProfileForMode(store, 0, source("Loaded.prof"), m_model, list);
        seen << QStringLiteral("load %1: %2 %3")
                    .arg(int(loaded))
                    .arg(store.profileNames[0])
                    .arg(store.profiles[0].pollrate);
        return seen;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<UiHome>();
        qputenv("KORVALEN_GSETTINGS", "/bin/false");
        DeviceContext::setProtocolDelayHook([](int) {});
        seed();
    }

    void cleanup() { m_home.reset(); }

    void everyPathReadsThemAsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("section");
        const char *const sections[][2] = {
            {"global", "Config"},        {"global", "FONT_LIST"}, {"global", "Mouse_List"},
            {"global", "MACRO_LIST"},    {"global", "General"},   {"product", "Config"},
            {"product", "PROFILE_LIST"}, {"profile", "PROFILE"},  {"profile", "MouseName"},
            {"macro", "Setting"},
        };
        for (const auto &s : sections)
            QTest::addRow("%s %s", s[0], s[1])
                << QString::fromLatin1(s[0]) << QString::fromLatin1(s[1]);
    }

    void everyPathReadsThemAsNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, section);
        if (m_clean.isEmpty()) {
            m_clean = readEveryPath();
            m_home.reset();
            m_home = std::make_unique<UiHome>();
            seed();
        }
        QByteArray lines;
        const QVector<HostileValue> values = hostileValues();
        for (int i = 0; i < values.size(); ++i)
            lines += "hostile_" + QByteArray::number(i) + '=' + values[i].text + '\n';
        for (const QString &file : files(kind))
            QVERIFY(
                writeFileBytes(file, fileBytes(file) + '[' + section.toLatin1() + "]\n" + lines));

        QCOMPARE(readEveryPath(), m_clean);
        for (const QString &file : files(kind)) {
            const QByteArray text = fileBytes(file);
            for (const QByteArray &line : lines.split('\n'))
                QVERIFY2(text.contains(line), qPrintable(file + ": " + line));
        }
    }
};

QTEST_MAIN(TestHostileIni)
#include "tst_hostileini.moc"
