#include "common/AnsweredBoxes.h"
#include "common/CtlProcess.h"
#include "common/FileBytes.h"
#include "common/FileSnapshot.h"
#include "common/ReportLog.h"
#include "common/Sanitizers.h"
#include "common/ScratchMount.h"
#include "common/UiHome.h"

#include "app/MousecfgWidget.h"
#include "app/ProfileFileCommands.h"
#include "device/DeviceContext.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"
#include "store/StoreContext.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

#include <QMenu>
#include <QtTest>

namespace {

const QString kAlreadyUsed = "Profile is Already Used!";
const QString kDefaultName = "The default Profile cannot be deleted or renamed.";
const QString kExist = "Profile Exist!";
const QString kAskDelete = "Are you sure you want delete this profile?";

QStringList savedList()
{
    QStringList names;
    readSavedNames(names);
    return names;
}

} // namespace

// The profile-file commands through the window's own buttons, menu and
// name edit, with every message box answered by the test.
class TestProfileCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UiHome> m_home;
    AnsweredBoxes m_boxes;
    std::unique_ptr<MousecfgWidget> m_window;

    MousecfgWidget *openWindow(const QString &model = "NX-19")
    {
        installVirtualMice({model});
        m_window = std::make_unique<MousecfgWidget>();
        QCoreApplication::processEvents();
        return m_window.get();
    }

    ProfileFileCommands *commands() const { return m_window->profileFiles(); }
    VornLineEdit *nameEdit() const { return m_window->nameEdit(); }

    void click(const char *button)
    {
        auto *b = m_window->findChild<VornPushButton *>(QLatin1String(button));
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        b->click();
    }

    void typeName(const QString &name)
    {
        QVERIFY(!nameEdit()->isReadOnly());
        nameEdit()->setText(name);
        QTest::keyClick(nameEdit(), Qt::Key_Return);
    }

    QList<QAction *> menuActions() const
    {
        return m_window->findChild<QPushButton *>("profileButton")->menu()->actions();
    }

    // The saved list and the store as the test wants them, then read again
    // by the window as at start.
    void setUp(const QStringList &list, const QStringList &modeNames)
    {
        ProfileStore &store = StoreContext::store();
        for (const QString &name : list + modeNames) {
            if (!profileFileExists(name))
                QVERIFY(QFile::copy(defaultProfilePath(), profileFilePath(name)));
        }
        for (int i = 0; i < modeNames.size(); ++i)
            store.profileNames[i] = modeNames.at(i);
        QVERIFY(saveStoreNames(store));
        QVERIFY(writeSavedNames(list));
        commands()->reloadList();
        commands()->rebuildMenu();
        m_window->selectMode(0, true);
        QCoreApplication::processEvents();
    }

    QString exportedFile(const QString &product, const QString &fileName)
    {
        const QString path = m_home->path() + QLatin1Char('/') + fileName;
        ProfileData rec;
        makeDefaultProfile(rec, 0);
        [&] { QVERIFY(writeProfile(rec, path)); }();
        writeMouseName(product, path);
        return path;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<UiHome>();
        qputenv("KORVALEN_GSETTINGS", "/bin/false");
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        DeviceContext::setProtocolDelayHook([](int) {});
        m_boxes.reset();
    }

    void cleanup()
    {
        m_window.reset();
        m_home.reset();
    }

    // Each refusal, and each question declined: one box, and the store, the
    // saved list and every file as they were. Custom rows start on mode 1's
    // own "Mine" (on the copied name for "copy") beside "Profile 1".
    void refusedOrDeclinedChangesNothing_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name"); // typed, copied or imported
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        const auto row = [](const char *tag, const char *action, const QString &name,
                            const QString &text, int kind = 2, const char *model = "NX-19") {
            QTest::addRow("%s", tag) << model << action << name << text << kind;
        };
        row("choose the file of mode 3 from mode 1", "choose", "", kAlreadyUsed);
        row("rename Profile 1", "rename default", "Renamed", kDefaultName);
        row("delete Profile 2", "delete default", "", kDefaultName);
        row("rename onto an existing file", "rename", "Profile 2", kExist);
        row("delete the one entry", "delete one", "", "AT LEAST ONE PROFILE TO BE RETAINED.");
        row("delete a custom profile, No", "delete", "", kAskDelete, 1);
        row("import from NX-05 into NX-06", "import", "Mine",
            "The file is not match current mouse!", 2, "NX-06");
        row("RESET, No", "reset", "", "Are you sure you want reset this profile?", 1);
        row("Reset All, No", "reset all", "", "Are you sure you want reset all profiles?", 1);
        const auto rule = [](const char *broken) {
            return QStringLiteral("This name cannot be used for a profile: %1.")
                .arg(QLatin1String(broken));
        };
        // The rule itself is tst_macrorules::unsafeNames'; here each way in
        // to a name, and the profile's own length limits.
        row("slash", "rename", "../Config", rule("it contains one of / \\ : * ? \" < > |"));
        const QString tooLong = rule("it is longer than 100 characters or 250 bytes");
        row("too long in bytes", "rename", QString(90, QChar(0x8bbe)), tooLong);
        row("copy past 100", "copy", QString(100, QLatin1Char('x')), tooLong);
        row("import of a name with a trailing dot", "import", "Trail.",
            rule("it ends with a dot or a space"));
        row("import of a long name", "import", QString(101, QLatin1Char('y')), tooLong);
    }

    void refusedOrDeclinedChangesNothing()
    {
        QFETCH(QString, model);
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, kind);
        openWindow(model);
        if (QStringList{"rename", "delete", "copy", "import"}.contains(action)) {
            const QString current = action == QLatin1String("copy") ? name : "Mine";
            setUp({"Profile 1", current}, {current});
        }
        if (action == QLatin1String("delete one"))
            setUp({"Profile 1"}, {});
        if (action == QLatin1String("delete default"))
            m_window->selectMode(1, true);
        const QString imported =
            action == QLatin1String("import")
                ? exportedFile(model == QLatin1String("NX-06") ? "NX-05" : "NX-19", name + ".prof")
                : QString();
        commands()->setFileDialogs(nullptr,
                                   [&](const QString &, const QString &) { return imported; });
        const ProfileStore storeBefore = StoreContext::store();
        const QStringList listBefore = savedList();
        const auto disk = fileSnapshot(m_home->path());
        QCOMPARE(m_boxes.boxes.size(), 0);
        m_boxes.answers = {0};

        if (action == QLatin1String("choose")) {
            QCOMPARE(menuActions().at(2)->text(), QStringLiteral("Profile 3"));
            menuActions().at(2)->trigger();
        } else if (action.startsWith(QLatin1String("rename"))) {
            typeName(name);
            if (action == QLatin1String("rename default"))
                QCOMPARE(nameEdit()->text(), QStringLiteral("Profile 1")); // restored
        } else if (action.startsWith(QLatin1String("delete"))) {
            click("prof_delete");
        } else if (action == QLatin1String("copy")) {
            click("prof_copy");
        } else if (action == QLatin1String("import")) {
            click("prof_load");
        } else if (action == QLatin1String("reset")) {
            StoreContext::store().profiles[0].pollrate = 8;
            click("prof_reset");
            QCOMPARE(StoreContext::store().profiles[0].pollrate, quint8(8));
            StoreContext::store().profiles[0].pollrate = storeBefore.profiles[0].pollrate;
        } else {
            click("resetAllButton");
        }

        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.boxes[0].text, text);
        QCOMPARE(m_boxes.boxes[0].kind, kind);
        QCOMPARE(m_boxes.boxes[0].heading, QStringLiteral("Warning"));
        QCOMPARE(m_boxes.boxes[0].title, QString());
        QVERIFY(StoreContext::store() == storeBefore);
        QCOMPARE(savedList(), listBefore);
        QCOMPARE(fileSnapshot(m_home->path()), disk);
    }

    void addTakesTheFirstFreeNumber_data()
    {
        QTest::addColumn<QStringList>("modes");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("list");
        const QStringList five = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        const QStringList three = {"Profile 1", "Profile 2", "Profile 3", "X", "Y"};
        QTest::addRow("Profile 1 to 3 present")
            << three << QStringList{"Profile 4", "Profile 5"} << "Profile 4"
            << (three + QStringList{"Profile 4"});
        QTest::addRow("all five present")
            << five << QStringList() << "Profile 6" << (five + QStringList{"Profile 6"});
        // Mode 4 still names the file it lost: a new profile must not share it.
        QTest::addRow("mode 4's file is missing")
            << five << QStringList{"Profile 4"} << "Profile 6" << (five + QStringList{"Profile 6"});
    }

    void addTakesTheFirstFreeNumber()
    {
        QFETCH(QStringList, modes);
        QFETCH(QStringList, removed);
        QFETCH(QString, added);
        QFETCH(QStringList, list);
        openWindow();
        setUp(modes, modes);
        for (const QString &name : removed)
            QVERIFY(QFile::remove(profileFilePath(name)));
        StoreContext::store().profiles[0].pollrate = 8;
        click("prof_add");
        QCOMPARE(m_boxes.boxes.size(), 0);
        QCOMPARE(nameEdit()->text(), added);
        QCOMPARE(StoreContext::store().profileNames[0], added);
        QCOMPARE(savedList(), list);
        QCOMPARE(fileBytes(profileFilePath(added)), fileBytes(defaultProfilePath()));
        ProfileData defaults;
        makeDefaultProfile(defaults, 0);
        QVERIFY(StoreContext::store().profiles[0] == defaults);
        QCOMPARE(menuActions().last()->text(), list.last());
    }

    void deleteChoosesTheReplacement_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("modes"); // mode 1 holds the deleted name
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QStringList>("after");
        const QStringList five = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        const QStringList abc = five + QStringList{"A", "B", "C"};
        QTest::addRow("the next entry")
            << abc << QStringList{"B"} << "C" << (five + QStringList{"A", "C"});
        QTest::addRow("the previous entry when the last is deleted")
            << abc << QStringList{"C"} << "B" << (five + QStringList{"A", "B"});
        QTest::addRow("the next belongs to mode 2: back past the deleted one")
            << abc << QStringList{"B", "C"} << "A" << (five + QStringList{"A", "C"});
        QTest::addRow("back over the entries of modes 2 and 3")
            << abc << QStringList{"B", "C", "A", "Profile 4", "Profile 3"} << "Profile 5"
            << (five + QStringList{"A", "C"});
        QTest::addRow("past the first entry: round to the last")
            << QStringList{"B", "A", "C"} << QStringList{"B", "A"} << "C" << QStringList{"A", "C"};
        QTest::addRow("every remaining entry belongs to another mode: the mode's default name")
            << QStringList{"A", "B", "C"} << QStringList{"B", "A", "C", "Profile 4", "Profile 5"}
            << "Profile 1" << QStringList{"A", "C", "Profile 1"};
        QTest::addRow("...and that default name is taken: the first free default name")
            << QStringList{"A", "B", "C"} << QStringList{"B", "A", "C", "Profile 1", "Profile 5"}
            << "Profile 2" << QStringList{"A", "C", "Profile 2"};
    }

    void deleteChoosesTheReplacement()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, modes);
        QFETCH(QString, replacement);
        QFETCH(QStringList, after);
        openWindow();
        setUp(list, modes);
        const QString deleted = modes.first();
        QSettings(profileFilePath(replacement), QSettings::IniFormat)
            .setValue("PROFILE/pollrate", 8);
        QVERIFY(QFile::exists(profileFilePath(deleted)));

        click("prof_delete");
        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.boxes[0].text, kAskDelete);
        QVERIFY(!QFile::exists(profileFilePath(deleted)));
        QCOMPARE(nameEdit()->text(), replacement);
        QCOMPARE(StoreContext::store().profileNames[0], replacement);
        QCOMPARE(StoreContext::store().profiles[0].pollrate, quint8(8));
        QCOMPARE(savedList(), after);
        QCOMPARE(menuActions().size(), after.size());
        for (int i = 1; i < modes.size(); ++i)
            QVERIFY(QFile::exists(profileFilePath(modes.at(i))));
    }

    // Past 200 entries the menu still offers every one.
    void chooseFromALongMenu()
    {
        openWindow();
        QStringList list;
        for (int i = 1; i <= 230; ++i)
            list << QStringLiteral("Set %1").arg(i);
        setUp(list, {"Set 1", "Set 2"});
        const QString last = list.last();
        ProfileData rec;
        makeDefaultProfile(rec, 0);
        rec.pollrate = 8;
        QVERIFY(saveProfileFile(rec, last));
        QCOMPARE(menuActions().size(), list.size());

        menuActions().last()->trigger();
        QCOMPARE(m_boxes.boxes.size(), 0);
        QCOMPARE(nameEdit()->text(), last);
        QCOMPARE(StoreContext::store().profileNames[0], last);
        QCOMPARE(StoreContext::store().profiles[0].ProfileName, last);
        QCOMPARE(StoreContext::store().profiles[0].pollrate, quint8(8));
        // Nothing is saved before Apply.
        QSettings product(productConfigPath(), QSettings::IniFormat);
        QCOMPARE(product.value(QStringLiteral("Config/Profile1")).toString(),
                 QStringLiteral("Set 1"));
    }

    void copyAndRename()
    {
        openWindow();
        click("prof_copy");
        click("prof_copy");
        QCOMPARE(nameEdit()->text(), QStringLiteral("Profile 1 copy copy"));
        m_window->selectMode(1, true);
        click("prof_copy");
        menuActions().at(1)->trigger(); // back to "Profile 2"
        click("prof_copy");
        QCOMPARE(nameEdit()->text(), QStringLiteral("Profile 2 copy 2"));
        QCOMPARE(fileBytes(profileFilePath(QStringLiteral("Profile 2 copy 2"))),
                 fileBytes(profileFilePath(QStringLiteral("Profile 2"))));

        typeName("Sniping & more");
        QCOMPARE(m_boxes.boxes.size(), 0);
        QCOMPARE(StoreContext::store().profileNames[1], QStringLiteral("Sniping & more"));
        QCOMPARE(StoreContext::store().profiles[1].ProfileName, QStringLiteral("Sniping & more"));
        QCOMPARE(QDir(profileFolder()).entryList({"*.prof"}, QDir::Files, QDir::Name),
                 QStringList({"DefaultProfile.prof", "Profile 1 copy copy.prof",
                              "Profile 1 copy.prof", "Profile 1.prof", "Profile 2 copy.prof",
                              "Profile 2.prof", "Profile 3.prof", "Profile 4.prof",
                              "Profile 5.prof", "Sniping & more.prof"}));
        // The list keeps its order, the renamed entry in its place.
        QCOMPARE(savedList(), QStringList({"Profile 1", "Profile 2", "Profile 3", "Profile 4",
                                           "Profile 5", "Profile 1 copy", "Profile 1 copy copy",
                                           "Profile 2 copy", "Sniping & more"}));
        QCOMPARE(menuActions().last()->text(), QStringLiteral("Sniping && more"));
        QSettings product(productConfigPath(), QSettings::IniFormat);
        QCOMPARE(product.value(QStringLiteral("Config/Profile2")).toString(),
                 QStringLiteral("Sniping & more"));
        QCOMPARE(product.value(QStringLiteral("Config/Profile1")).toString(),
                 QStringLiteral("Profile 1 copy copy"));
        // The menu entry chooses the name, not its displayed text.
        m_window->selectMode(0, true);
        menuActions().last()->trigger();
        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.boxes[0].text, kAlreadyUsed);
    }

    void exportTagsAndAsksBeforeReplacing()
    {
        openWindow();
        // A name typed without the suffix gets it.
        QString typed = m_home->path() + "/out";
        QString target = typed + ".prof";
        commands()->setFileDialogs(
            [&](const QString &caption, const QString &filter) {
                [&] {
                    QCOMPARE(caption, QStringLiteral("Save Profile File"));
                    QCOMPARE(filter, QStringLiteral("Profile File(*.prof)"));
                }();
                return typed;
            },
            nullptr);
        const QString own = profileFilePath("Profile 1");
        ProfileData before;
        readProfile(before, own);

        const QByteArray ownBytes = fileBytes(own);
        click("prof_save");
        QCOMPARE(m_boxes.boxes.size(), 0);
        // The copy carries the tag; the profile's own file is not touched.
        // That the record travels whole is tst_ctlsettings::exportThenImport's.
        QCOMPARE(readMouseName(target), QStringLiteral("NX-19"));
        QCOMPARE(fileBytes(own), ownBytes);

        // An existing file is replaced only when the user says so.
        QVERIFY(writeFileBytes(target, "mine"));
        m_boxes.answers = {0};
        click("prof_save");
        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.boxes[0].kind, 1);
        QVERIFY(m_boxes.boxes[0].text.contains(QDir::toNativeSeparators(target)));
        QCOMPARE(fileBytes(target), QByteArray("mine"));
        click("prof_save");
        QCOMPARE(m_boxes.boxes.size(), 2);
        QCOMPARE(readMouseName(target), QStringLiteral("NX-19"));

        // Tests run as root, so a read-only folder would not stop the
        // write: a parent that is a file does.
        QVERIFY(writeFileBytes(m_home->path() + "/plain", "x"));
        QVERIFY(QFile::remove(own));
        QVERIFY(saveProfileFile(before, "Profile 1")); // untagged again
        target = m_home->path() + "/plain/out.prof";
        typed = target;
        const auto disk = fileSnapshot(m_home->path());
        click("prof_save");
        QCOMPARE(m_boxes.boxes.size(), 3);
        QVERIFY(m_boxes.boxes[2].text.startsWith("The profile could not be exported."));
        QCOMPARE(fileSnapshot(m_home->path()), disk);
    }

    void importAddsTheFileAndUploads()
    {
        openWindow();
        const QString source = exportedFile("NX-19", "Match.prof");
        QSettings(source, QSettings::IniFormat).setValue("PROFILE/pollrate", 4);
        commands()->setFileDialogs(nullptr, [&](const QString &caption, const QString &filter) {
            [&] {
                QCOMPARE(caption, QStringLiteral("Load Profile File"));
                QCOMPARE(filter, QStringLiteral("Profile File(*.prof)"));
            }();
            return source;
        });
        click("prof_load");
        QCOMPARE(m_boxes.boxes.size(), 0);
        QCOMPARE(nameEdit()->text(), QStringLiteral("Match"));
        QCOMPARE(StoreContext::store().profileNames[0], QStringLiteral("Match"));
        QCOMPARE(StoreContext::store().profiles[0].pollrate, quint8(4));
        QCOMPARE(savedList().last(), QStringLiteral("Match"));
        QCOMPARE(fileBytes(profileFilePath(QStringLiteral("Match"))), fileBytes(source));
        // Saved and sent at once: the mode's file names it in Config.ini.
        QSettings product(productConfigPath(), QSettings::IniFormat);
        QCOMPARE(product.value(QStringLiteral("Config/Profile1")).toString(),
                 QStringLiteral("Match"));
        QVERIFY(!DeviceContext::virtualMice()->refreshes("NX-19").isEmpty());

        // Importing it again would overwrite the file now in the folder.
        const auto disk = fileSnapshot(m_home->path());
        click("prof_load");
        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.boxes[0].text, kExist);
        QCOMPARE(fileSnapshot(m_home->path()), disk);
    }

    void resetAndResetAllUpload()
    {
        openWindow();
        ProfileStore &store = StoreContext::store();
        m_window->selectMode(3, true);
        store.profiles[3].pollrate = 8;
        store.profiles[1].pollrate = 8;
        click("prof_reset");
        QCOMPARE(m_boxes.boxes.size(), 1);
        // Reset as profile 1: its own DPI stage index is not kept.
        ProfileData first;
        makeDefaultProfile(first, 0);
        QVERIFY(store.profiles[3] == first);
        QCOMPARE(store.profiles[1].pollrate, quint8(8));
        ProfileData onDisk;
        readProfile(onDisk, profileFilePath("Profile 4"));
        QVERIFY(onDisk == first);
        QVERIFY(!DeviceContext::virtualMice()->refreshes("NX-19").isEmpty());

        click("resetAllButton");
        QCOMPARE(m_boxes.boxes.size(), 2);
        ProfileStore expected;
        initProfileStore(expected);
        QVERIFY(store == expected);
        QCOMPARE(m_window->modeButtonText(), QStringLiteral("Mode 1"));
        QCOMPARE(nameEdit()->text(), QStringLiteral("Profile 1"));
        readProfile(onDisk, profileFilePath("Profile 2"));
        QCOMPARE(onDisk.pollrate, expected.profiles[1].pollrate);
    }

    // A user who lost only Config.ini keeps the five profiles they have.
    void firstContactKeepsExistingProfileFiles()
    {
        writeProductName("NX-19");
        const QString folder = dataFolder() + "/NX-19/Profile/";
        QMap<QString, QByteArray> written;
        for (int i = 1; i <= 5; ++i) {
            const QString path = folder + QStringLiteral("Profile %1.prof").arg(i);
            // Not the way the program itself would write it: any rewrite shows.
            const QByteArray text =
                "; mine\r\n[PROFILE]\r\npollrate = " + QByteArray::number(1 << (i % 4)) +
                "\r\ndpi=3\r\n";
            QVERIFY(writeFileBytes(path, text));
            written.insert(path, text);
        }
        QVERIFY(!QFile::exists(productConfigPath()));
        openWindow();
        QCOMPARE(StoreContext::store().profiles[3].pollrate, quint8(1));
        QCOMPARE(StoreContext::store().profiles[3].dpi, quint8(3));
        QCOMPARE(nameEdit()->text(), QStringLiteral("Profile 1"));
        QVERIFY(QFile::exists(productConfigPath()));
        QCOMPARE(savedList(),
                 QStringList({"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            QCOMPARE(fileBytes(it.key()), it.value());
    }

    void unsafeNameInConfigIsReported()
    {
        writeProductName("NX-19");
        ProfileStore store;
        initProfileStore(store);
        QVERIFY(saveStore(store));
        QSettings(productConfigPath(), QSettings::IniFormat)
            .setValue("Config/Profile3", "../escape");
        openWindow();
        QTRY_COMPARE(m_boxes.boxes.size(), 1);
        QVERIFY(m_boxes.boxes[0].text.contains("Mode 3: \"../escape\""));
    }

    // korvalen-ctl writes while the window is open: the window shows what
    // it wrote, and the window's own change with OK (or Apply) keeps it.
    void otherWritersChangesSurviveTheWindow_data()
    {
        QTest::addColumn<QStringList>("edits"); // each "ARGS... = VALUE as get prints it"
        QTest::addColumn<QString>("button");
        QTest::addRow("five sets, then OK")
            << QStringList{"report-rate 250", "button6 browser-home=Browser Home",
                           "--mode 2 dpi1 1650", "--mode 3 dpi2 3200", "effect go-without-trace"}
            << "okButton";
        QTest::addRow("import --mode 3, then Apply")
            << QStringList{"import @ --mode 3"} << "applyButton";
    }

    void otherWritersChangesSurviveTheWindow()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, button);
        openWindow();
        const QString imported = exportedFile("NX-19", "fps.prof");
        const auto ctl = [this](const QStringList &args) {
            return runCtl(*m_home, args, {{"KORVALEN_VIRTUAL_MOUSE", "NX-19"}});
        };
        QStringList gets;
        for (QString edit : edits) {
            edit.replace(QLatin1Char('@'), imported);
            const QString shown = edit.section(QLatin1Char('='), 1);
            QStringList args = edit.section(QLatin1Char('='), 0, 0).split(QLatin1Char(' '));
            const CtlResult run =
                ctl(args.first() == QLatin1String("import") ? args : QStringList{"set"} + args);
            QVERIFY2(run.status == 0, qPrintable(run.err));
            if (args.first() != QLatin1String("import"))
                gets << args.mid(0, args.size() - 1).join(QLatin1Char(' ')) + QLatin1Char('=') +
                            (shown.isEmpty() ? args.last() : shown);
        }
        // The window follows without being asked (the name it keeps in
        // each record aside).
        const auto sameAsDisk = [] {
            ProfileStore disk;
            loadStore(disk);
            ProfileStore shown = StoreContext::store();
            for (int i = 0; i < kProfileCount; ++i)
                shown.profiles[i].ProfileName = disk.profiles[i].ProfileName;
            return shown == disk;
        };
        QTRY_VERIFY(sameAsDisk());
        // The window's own change, as a panel makes it, then its button.
        StoreContext::store().profiles[StoreContext::store().curProfile].scrollspeed = 7;
        QTest::mouseClick(m_window->findChild<VornPushButton *>(button), Qt::LeftButton);
        QCOMPARE(m_boxes.boxes.size(), 0);
        for (const QString &get : gets) {
            const CtlResult run =
                ctl(QStringList{"get"} + get.section(QLatin1Char('='), 0, 0).split(' '));
            QCOMPARE(run.out.trimmed(), get.section(QLatin1Char('='), 1));
        }
        QCOMPARE(ctl({QStringLiteral("get"), QStringLiteral("scroll-speed")}).out.trimmed(),
                 QStringLiteral("7"));
        if (gets.isEmpty())
            QCOMPARE(StoreContext::store().profileNames[2], QStringLiteral("fps"));
        QVERIFY(sameAsDisk());
    }

    // A save that cannot be made stops the upload before any report; a
    // report that fails is told once.
    void failuresAreShown_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("text");
        QTest::addRow("read-only data folder")
            << true << "the file system is read-only. Nothing was sent to the mouse.";
        QTest::addRow("failed report") << false << "The mouse did not take every setting: ";
    }

    void failuresAreShown()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, text);
        QStringList log;
        auto backend = std::make_unique<VirtualMouseBackend>(QStringList{QStringLiteral("NX-19")});
        VirtualMouseBackend *mice = backend.get();
        DeviceContext::installHid(std::make_unique<ReportLog>(std::move(backend), &log), mice);
        m_window = std::make_unique<MousecfgWidget>();
        QCoreApplication::processEvents();
        std::unique_ptr<ScratchMount> mount;
        if (readOnly) {
            mount = std::make_unique<ScratchMount>(m_home->dataFolder(), ScratchMount::ReadOnly);
            if (!mount->ok())
                QSKIP("no tmpfs can be mounted here (needs root)");
        } else {
            mice->failNthReport("NX-19", 3);
        }
        const auto disk = fileSnapshot(m_home->dataFolder());
        const int sent = int(log.filter("set ").size());
        StoreContext::store().profiles[StoreContext::store().curProfile].scrollspeed = 9;
        QTest::mouseClick(m_window->findChild<VornPushButton *>("applyButton"), Qt::LeftButton);
        QCOMPARE(m_boxes.boxes.size(), 1);
        QVERIFY2(m_boxes.boxes[0].text.contains(text), qPrintable(m_boxes.boxes[0].text));
        QCOMPARE(log.filter(QStringLiteral("set ")).size() == sent, readOnly);
        if (readOnly)
            QCOMPARE(fileSnapshot(m_home->dataFolder()), disk);
        QVERIFY(m_window->findChild<VornPushButton *>("applyButton")->isEnabled());
    }

    // korvalen-ctl runs while the window applies its own changes: every
    // change of both lands.
    void windowAndCtlAtOnce()
    {
        // Five Applies of the sanitized window keep the writers' lock for
        // longer than a writer waits for it (10 s): the race is tested in
        // the plain build only.
        if (kSanitizerSlowdown > 1)
            QSKIP("the sanitized window holds the writers' lock past the wait");
        openWindow();
        const QStringList modes{"2", "3", "4", "5", "2"};
        const QStringList settings{"dpi-stage", "dpi-stage", "dpi-stage", "dpi-stage",
                                   "report-rate"};
        const QStringList values{"2", "3", "4", "5", "125"};
        std::vector<std::unique_ptr<QProcess>> runs;
        int kept = 0;
        const int mode = StoreContext::store().curProfile;
        for (int i = 0; i < 5; ++i) {
            runs.push_back(startCtl(*m_home, {"set", "--mode", modes[i], settings[i], values[i]},
                                    {{"KORVALEN_VIRTUAL_MOUSE", "NX-19"}}));
            StoreContext::store().profiles[mode].scrollspeed = quint8(11 + i);
            QTest::mouseClick(m_window->findChild<VornPushButton *>("applyButton"), Qt::LeftButton);
        }
        for (auto &run : runs)
            QCOMPARE(finishCtl(*run).status, 0);
        for (int i = 0; i < 5; ++i) {
            const CtlResult get = runCtl(*m_home, {"get", "--mode", modes[i], settings[i]},
                                         {{"KORVALEN_VIRTUAL_MOUSE", "NX-19"}});
            kept += get.out.trimmed() == values[i];
        }
        ProfileData own;
        readProfile(own, profileFilePath(StoreContext::store().profileNames[mode]));
        kept += own.scrollspeed == 15;
        qInfo("window and korvalen-ctl at once: kept %d/6", kept);
        QCOMPARE(kept, 6);
        QCOMPARE(m_boxes.boxes.size(), 0);
    }
};

QTEST_MAIN(TestProfileCommands)
#include "tst_profilecommands.moc"
