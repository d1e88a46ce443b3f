#include "common/AnsweredBoxes.h"
#include "common/CtlProcess.h"
#include "common/FileBytes.h"
#include "common/FileSnapshot.h"
#include "common/ReportLog.h"
#include "common/Sanitizers.h"
#include "common/ScratchMount.h"
#include "common/UiHome.h"
#include "common/WindowEvents.h"

#include "app/MousecfgWidget.h"
#include "app/ProfileFileCommands.h"
#include "app/ProgramProfilesDialog.h"
#include "device/DeviceContext.h"
#include "device/VornHidReadThread.h"
#include "device/hid/VirtualMouseBackend.h"
#include "macro/ui/MacroDialog.h"
#include "panels/ColorAreas.h"
#include "panels/VornColorArea.h"
#include "panels/VornColorWindow.h"
#include "panels/VornDPIWindow.h"
#include "panels/VornLiftOffDistance.h"
#include "panels/VornPointSpeed.h"
#include "panels/VornReportRate.h"
#include "panels/VornTwoBarSlider.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"
#include "store/ProgramRules.h"
#include "store/StoreContext.h"
#include "widgets/ShellState.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"
#include "widgets/VornSlider.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace Frames;
using namespace WindowEvents;

namespace {

const QString kAlreadyUsed = "Profile is Already Used!";
const QString kDefaultName = "The default Profile cannot be deleted or renamed.";
const QString kExist = "Profile Exist!";
const QString kAskDelete = "Are you sure you want delete this profile?";
const QStringList kFive = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};

QStringList savedList()
{
    QStringList names;
    readSavedNames(names);
    return names;
}

// A profile file dialog that checks what it is asked and answers `path`
// as it stands then.
auto fileDialog(const char *caption, const QString &path)
{
    return [caption, &path](const QString &asked, const QString &filter) {
        [&] {
            QCOMPARE(asked, QString::fromLatin1(caption));
            QCOMPARE(filter, QStringLiteral("Profile File(*.prof)"));
        }();
        return path;
    };
}

// What the product's Config.ini holds under `key`.
QString productValue(const char *key)
{
    return QSettings(productConfigPath(), QSettings::IniFormat).value(key).toString();
}

} // namespace

// The main window and its DPI, lighting, report-rate, pointer-speed and
// lift-off panels on the offscreen platform, over virtual mice, and the
// profile-file commands through the window's own buttons, menu and name
// edit; every message box is answered by the test.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UiHome> m_home;
    AnsweredBoxes m_boxes;
    std::unique_ptr<MousecfgWidget> m_window;

    // The window over virtual mice; with a log, every report to them goes
    // into it too.
    MousecfgWidget *openWindow(const QStringList &mice = {"NX-19"}, QStringList *log = nullptr)
    {
        auto backend = std::make_unique<VirtualMouseBackend>(mice);
        VirtualMouseBackend *virtualMice = backend.get();
        std::unique_ptr<HidApi> hid = std::move(backend);
        if (log)
            hid = std::make_unique<ReportLog>(std::move(hid), log);
        DeviceContext::installHid(std::move(hid), virtualMice);
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

    static ProfileStore storeFor(const QString &model)
    {
        writeProductName(model);
        ProfileStore store;
        initProfileStore(store, model);
        return store;
    }

    static QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

private slots:
    void init()
    {
        m_home = std::make_unique<UiHome>();
        // Pointer-speed calls reach a stand-in that fails, never the desktop.
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

    void resizeRule_data()
    {
        QTest::addColumn<int>("screenClass");
        QTest::addColumn<int>("previousClass");
        QTest::addColumn<QSize>("current");
        QTest::addColumn<QSize>("designed");
        QTest::addColumn<int>("result");
        QTest::addRow("1240 is within 9 of 1248")
            << 0 << 0 << QSize(1240, 800) << QSize(1240, 800) << 1;
        QTest::addRow("1237 is not") << 0 << 0 << QSize(1237, 800) << QSize(1237, 800) << 0;
        QTest::addRow("1757 is within 9 of 1748")
            << 2 << 2 << QSize(1757, 1120) << QSize(1757, 1120) << 3;
        QTest::addRow("999 exactly") << 1 << 1 << QSize(999, 640) << QSize(999, 640) << 0;
        QTest::addRow("class changed: the screen decides")
            << 2 << 1 << QSize(1248, 800) << QSize(1248, 800) << 2;
        QTest::addRow("size not the designed one: the screen decides")
            << 1 << 1 << QSize(1000, 640) << QSize(1248, 800) << 1;
    }

    void resizeRule()
    {
        QFETCH(int, screenClass);
        QFETCH(int, previousClass);
        QFETCH(QSize, current);
        QFETCH(QSize, designed);
        QFETCH(int, result);
        QCOMPARE(MousecfgWidget::resizeClass(screenClass, previousClass, current, designed),
                 result);
    }

    void switchTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("frontPicture");
        QTest::addColumn<bool>("viewButtons");
        QTest::addColumn<bool>("markers");
        QTest::addRow("lighting") << 0 << true << false << false;
        QTest::addRow("customize") << 1 << true << true << true;
        QTest::addRow("dpi") << 2 << false << false << false;
        QTest::addRow("macro") << 3 << false << false << false;
    }

    void switchTab()
    {
        QFETCH(int, tab);
        QFETCH(bool, frontPicture);
        QFETCH(bool, viewButtons);
        QFETCH(bool, markers);
        auto *window = openWindow();
        window->show();
        window->switchTab(tab);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(window->tabButton(i)->isSelected(), i == tab);
        QCOMPARE(window->frontPicture()->isVisible(), frontPicture);
        QVERIFY(!window->sidePicture()->isVisible());
        QCOMPARE(window->frontButton()->isVisible(), viewButtons);
        QCOMPARE(window->sideButton()->isVisible(), viewButtons);
        QCOMPARE(window->marker(0, 0)->isVisible(), markers);
        QCOMPARE(window->marker(2, 1)->isVisible(), markers);
        // The side markers only ever show in the side view.
        QVERIFY(!window->marker(1, 0)->isVisible());
    }

    void markersFollowTheModelsButtons_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("front");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("scroll");
        QTest::addRow("NX-19") << "NX-19" << 6 << 0 << 2;
        QTest::addRow("NX-01 with its keypad") << "NX-01" << 6 << 12 << 0;
        QTest::addRow("NX-55") << "NX-55" << 10 << 0 << 2;
        QTest::addRow("TEST") << "TEST" << 7 << 0 << 0;
    }

    void markersFollowTheModelsButtons()
    {
        QFETCH(QString, model);
        QFETCH(int, front);
        QFETCH(int, side);
        QFETCH(int, scroll);
        auto *window = openWindow({model});
        window->show();
        window->switchTab(MousecfgWidget::TabCustomize);
        auto visible = [&](int group, int count) {
            int n = 0;
            for (int i = 0; i < count; ++i)
                n += window->marker(group, i)->isVisible() ? 1 : 0;
            return n;
        };
        QCOMPARE(visible(0, 20), front);
        QCOMPARE(visible(2, 2), scroll);
        QTest::mouseClick(window->sideButton(), Qt::LeftButton);
        QCOMPARE(visible(1, 20), side);
        QCOMPARE(visible(0, 20), 0);
        // Markers sit over the picture.
        const QRect picture = window->frontPicture()->geometry();
        QVERIFY(picture.contains(window->marker(0, 0)->geometry()));
        QVERIFY(!window->frontPicture()->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(!window->sidePicture()->pixmap(Qt::ReturnByValue).isNull(), side > 0);
    }

    // Back from the side view, the front group chosen before returns.
    void frontAndSideViewsKeepTheGroup()
    {
        auto *window = openWindow({QStringLiteral("NX-30")});
        window->show();
        window->switchTab(MousecfgWidget::TabCustomize);
        QTest::mouseClick(window->marker(2, 1), Qt::LeftButton);
        QCOMPARE(window->currentGroup(), 2);
        QTest::mouseClick(window->sideButton(), Qt::LeftButton);
        QCOMPARE(window->currentGroup(), 1);
        QVERIFY(window->sidePicture()->isVisible());
        QVERIFY(!window->frontPicture()->isVisible());
        QTest::mouseClick(window->frontButton(), Qt::LeftButton);
        QCOMPARE(window->currentGroup(), 2);
        QVERIFY(window->frontButton()->isSelected());

        // Selecting a marker deselects every other.
        window->selectButtonMarker(4, 0);
        QVERIFY(window->marker(0, 4)->isSelected());
        QVERIFY(!window->marker(2, 1)->isSelected());
        QCOMPARE(window->selectedMarker(2), 1);
    }

    void modeMenuSize_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("modes");
        QTest::addRow("NX-04 keeps three") << "NX-04" << 3;
        QTest::addRow("NX-19") << "NX-19" << 5;
        QTest::addRow("NX-05") << "NX-05" << 5;
    }

    // The dialog shows the rules another writer left and writes back what
    // was changed in it, and nothing else.
    void programProfilesDialogRoundTrip()
    {
        auto *window = openWindow();
        ProgramRules stored;
        stored.enabled = true;
        stored.defaultMode = 4;
        stored.rules = {{QStringLiteral("cs2"), 3}, {QStringLiteral("steam"), 2}};
        QVERIFY(writeProgramRules(productConfigPath(), stored));

        ProgramProfilesDialog dialog(nullptr, window);
        QTableWidget *table = dialog.table();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("steam"));
        QVERIFY(!dialog.addProgram(QStringLiteral("  ")));
        QVERIFY(dialog.addProgram(QStringLiteral("CS2"))); // has a rule: selected, not added
        QCOMPARE(table->rowCount(), 2);
        dialog.removeSelected();
        QVERIFY(dialog.addProgram(QStringLiteral("Firefox-esr")));
        dialog.setDefaultMode(0);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const ProgramRules written = readProgramRules(productConfigPath());
        QCOMPARE(written.enabled, true);
        QCOMPARE(written.defaultMode, 0);
        QCOMPARE(written.rules.size(), 2);
        QCOMPARE(written.rules[0].program, QStringLiteral("steam"));
        QCOMPARE(written.rules[0].mode, 2);
        QCOMPARE(written.rules[1].program, QStringLiteral("Firefox-esr"));
        QCOMPARE(written.rules[1].mode, 1);
    }

    // Whether the record is read again from its file is tst_everysetting's
    // (kept through a mode switch, dropped on Cancel).
    void modeMenuSize()
    {
        QFETCH(QString, model);
        QFETCH(int, modes);
        auto *window = openWindow({model});
        QCOMPARE(window->modeActionCount(), modes);
        // The modes, a separator and the program profiles' entry.
        QCOMPARE(window->modeMenu()->actions().size(), modes + 2);
        ProfileStore &store = StoreContext::store();
        window->selectMode(2, true);
        QCOMPARE(store.curProfile, quint8(2));
        QCOMPARE(window->modeButtonText(), QStringLiteral("Mode 3"));
        QCOMPARE(window->nameEdit()->text(), store.profileNames[2]);
        QCOMPARE(store.profiles[2].ProfileName, store.profileNames[2]);
        QCOMPARE(productValue("Config/ProfileID"), QStringLiteral("2"));
        // A report of a mode the model lacks is ignored.
        window->slotRefreshProfile(quint8(modes));
        QCOMPARE(store.curProfile, quint8(2));
    }

    void lightModeReportUsesTheModelsClass()
    {
        // NX-01 is class 1, NX-19 class 3: the same bytes mean different
        // effects.
        auto *window = openWindow({QStringLiteral("NX-01")});
        QSignalSpy selected(window->panelLinks(), &PanelLinks::lightModeSelected);
        window->slotRefreshLightMode(2, 3);
        QCOMPARE(selected.at(0).at(0).toInt(), 8);
        writeProductName("NX-19");
        window->slotRefreshLightMode(2, 3);
        QCOMPARE(selected.at(1).at(0).toInt(), 0);
    }

    // The mouse's own buttons, as the readers report them: the store and
    // the panels follow, a DPI stage is saved, and nothing is sent back.
    void readerSlotsShowAndSendNothing()
    {
        QStringList log;
        auto *window = openWindow({QStringLiteral("NX-19")}, &log);
        ProfileStore &store = StoreContext::store();
        const PanelSet &panels = window->panelSet();
        auto *dpi = panels.find<VornDPIWindow>();
        auto *rate = panels.find<VornReportRate>();
        auto *lift = panels.find<VornLiftOffDistance>();
        QVERIFY(dpi && rate && lift);
        const int sent = log.size();

        window->slotRefreshRate(8);
        QCOMPARE(rate->rateButton()->text(), QStringLiteral("125 HZ"));
        window->slotRefreshRate(3); // a code without a name leaves the text
        QCOMPARE(rate->rateButton()->text(), QStringLiteral("125 HZ"));
        QCOMPARE(rate->profileData().pollrate, quint8(3));
        QCOMPARE(store.profiles[store.curProfile].pollrate, quint8(3));

        window->slotRefreshProfile(3);
        QCOMPARE(store.curProfile, quint8(3));
        QCOMPARE(window->modeButtonText(), QStringLiteral("Mode 4"));

        window->slotRefreshDPIStage(2);
        QVERIFY(dpi->stageButton(2)->isChecked());
        QCOMPARE(dpi->profileData().dpi, quint8(2));
        QCOMPARE(dpi->yLabel(2)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(store.profiles[3].dpi, quint8(2));
        QSettings file(profileFilePath(store.profileNames[3]), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("PROFILE/dpi")).toInt(), 2);

        window->slotRefreshLift(1);
        QCOMPARE(lift->liftButton()->text(), QStringLiteral("2 mm"));
        QCOMPARE(store.LiftHigh, quint8(1));
        // The lighting report: lightModeReportUsesTheModelsClass, and the
        // panel's side effectControls'.
        QCOMPARE(log.size(), sent);
    }

    void languageSwitch()
    {
        auto *window = openWindow();
        QCOMPARE(window->tabButton(0)->text(), QStringLiteral("LIGHTING"));
        window->setLanguage(1);
        QCOMPARE(window->tabButton(0)->text(), QString::fromUtf8("灯光"));
        QCOMPARE(window->modeButtonText().left(2), QString::fromUtf8("模式"));
        QCOMPARE(readLangId(), 1);
        QCOMPARE(UiScale::languageIndex(), 1);
        window->setLanguage(2);
        QCOMPARE(window->tabButton(0)->text(), QString::fromUtf8("燈光"));
        // The next start speaks the stored language.
        m_window.reset();
        window = openWindow();
        QCOMPARE(window->languageIndex(), 2);
        QCOMPARE(window->tabButton(3)->text(), QString::fromUtf8("巨集"));
        window->setLanguage(0);
        QCOMPARE(window->tabButton(0)->text(), QStringLiteral("LIGHTING"));
        QCOMPARE(readLangId(), 0);
    }

    // No model met yet: nothing goes into the data folder's own root. The
    // warning, and a mouse plugged in closing it, are tst_e2e's.
    void noMouseWritesNoProfileFolder()
    {
        auto *window = openWindow({});
        QCOMPARE(window->connectedCount(), 0);
        QVERIFY(!QDir(dataFolder() + "/Profile").exists());
    }

    // The readers stop and are gone once they have ended; a mouse plugged
    // in again starts two new ones.
    void removingTheLastMouseWarnsAgain()
    {
        auto *window = openWindow();
        QVERIFY(window->readersRunning());
        QCOMPARE(VornHidReader::liveCount(), 2);
        QTest::qWait(300); // past the start-up's own check for a mouse
        QCOMPARE(m_boxes.texts, QStringList());
        DeviceContext::virtualMice()->unplug("NX-19");
        QTRY_COMPARE(m_boxes.texts, QStringList{QStringLiteral("NO MOUSE DETECTED!")});
        QCOMPARE(window->connectedCount(), 0);
        QVERIFY(!window->readersRunning());
        QVERIFY(!DeviceContext::interface1Handle());
        QTRY_COMPARE(VornHidReader::liveCount(), 0);
        DeviceContext::virtualMice()->plug("NX-19");
        QTRY_VERIFY(window->readersRunning());
        QCOMPARE(VornHidReader::liveCount(), 2);
        m_window.reset();
        QCOMPARE(VornHidReader::liveCount(), 0);
    }

    // Showing, hiding and the double-click are tst_e2e's, in a real tray;
    // a context click, or any click while the warning is up, does nothing.
    void trayClicksThatDoNothing()
    {
        auto *window = openWindow();
        // Found first: with no mouse yet a click shows the warning instead.
        QTRY_COMPARE(window->connectedCount(), 1);
        window->hide();
        window->iconActivated(QSystemTrayIcon::Context);
        QVERIFY(window->isHidden());
        window->show();
        ShellState::setWarningOpen(true);
        window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(window->isVisible());
    }

    // Choosing the other mouse in the selector ends a recording as STOP
    // does: saved, and the window's controls back.
    void choosingAnotherMouseEndsTheRecording()
    {
        auto *window = openWindow({QStringLiteral("NX-01"), QStringLiteral("NX-19")});
        window->show();
        window->switchTab(MousecfgWidget::TabMacro);
        auto *macros = window->panelSet().find<MacroDialog>();
        macros->control(MacroDialog::NewMacro)->click();
        QVERIFY(!macros->currentMacro().isEmpty());
        macros->control(MacroDialog::Start)->click();
        QVERIFY(macros->isRecording());
        QVERIFY(!window->tabButton(0)->isEnabled());
        QAction other(readProductName() == QLatin1String("NX-01") ? "NX-19" : "NX-01");
        window->slot_show_mousename(&other);
        QVERIFY(!macros->isRecording());
        QVERIFY(window->tabButton(0)->isEnabled());
        QVERIFY(window->mouseSelector()->isEnabled());
        QTRY_COMPARE(readProductName(), other.text());
    }

    void draggingMovesPastFourPixels()
    {
        auto *window = openWindow();
        window->show();
        window->move(100, 100);
        const QPoint start = window->pos();
        const QPoint inside(500, 600); // on the background, away from any control
        QTest::mousePress(window, Qt::LeftButton, {}, inside);
        QMouseEvent small(QEvent::MouseMove, inside + QPoint(2, 2),
                          window->mapToGlobal(inside + QPoint(2, 2)), Qt::NoButton, Qt::LeftButton,
                          {});
        QCoreApplication::sendEvent(window, &small);
        QCOMPARE(window->pos(), start);
        QMouseEvent far(QEvent::MouseMove, inside + QPoint(30, 10),
                        window->mapToGlobal(inside + QPoint(30, 10)), Qt::NoButton, Qt::LeftButton,
                        {});
        QCoreApplication::sendEvent(window, &far);
        QCOMPARE(window->pos(), start + QPoint(30, 10));
        QTest::mouseRelease(window, Qt::LeftButton, {}, inside);
    }

    void systemPointerSpeedReachesTheStartProfile_data()
    {
        QTest::addColumn<QByteArray>("gsettings");
        QTest::addColumn<int>("speed");
        QTest::addRow("readable") << QByteArray("echo 0.5") << 15;
        QTest::addRow("unreadable keeps the profile's") << QByteArray("exit 1") << 10;
    }

    void systemPointerSpeedReachesTheStartProfile()
    {
        QFETCH(QByteArray, gsettings);
        QFETCH(int, speed);
        const QString script = m_home->path() + "/gsettings";
        QVERIFY(writeFileBytes(script, "#!/bin/sh\nsleep 0.2\n" + gsettings + "\n"));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("KORVALEN_GSETTINGS", QFile::encodeName(script));
        writeProductName("NX-14"); // starts on profile 2

        // Built without openWindow's event round, which could take the answer.
        installVirtualMice({QStringLiteral("NX-14")});
        m_window = std::make_unique<MousecfgWidget>();
        ProfileStore &store = StoreContext::store();
        QCOMPARE(int(store.curProfile), 1);
        // The window did not wait for the answer.
        QCOMPARE(int(store.profiles[1].mousespeed), 10);
        // The answer comes 200 ms later; none still leaves the 10.
        QTRY_COMPARE_WITH_TIMEOUT(int(store.profiles[1].mousespeed), speed, 5000);
        if (speed == 10)
            QTest::qWait(600); // no answer to wait for: the time it would take
        QCOMPARE(int(store.profiles[0].mousespeed), 10);
    }

    void theMouseSwitchesProfileByItself()
    {
        auto *window = openWindow();
        QTRY_VERIFY(window->readersRunning());
        QTest::qWait(150); // the readers are in their read
        QVERIFY(DeviceContext::virtualMice()->switchProfile("NX-19", 2));
        QTRY_COMPARE(StoreContext::store().curProfile, quint8(2));
        QCOMPARE(window->modeButtonText(), QStringLiteral("Mode 3"));
        // Nothing went back to the mouse.
        QCOMPARE(DeviceContext::virtualMice()->refreshes(QStringLiteral("NX-19")), QByteArray());
    }

    // A profile file that holds nothing is not sent as zeros: the window
    // asks, and only on Yes sends the model's defaults for that profile. A
    // code without meaning is not sent at all.
    void uploadStopsOnWhatCannotBeSent_data()
    {
        QTest::addColumn<bool>("emptyFile"); // else a report-rate code without meaning
        QTest::addColumn<int>("answer");
        QTest::addRow("empty file, No") << true << 0;
        QTest::addRow("empty file, Yes") << true << 1;
        QTest::addRow("code without meaning") << false << 1;
    }

    void uploadStopsOnWhatCannotBeSent()
    {
        QFETCH(bool, emptyFile);
        QFETCH(int, answer);
        const QString nx19 = "NX-19";
        auto *window = openWindow({nx19});
        const QString path = profileFilePath(StoreContext::store().profileNames[1]);
        if (emptyFile)
            QVERIFY(writeFileBytes(path, QByteArray()));
        else
            StoreContext::store().profiles[3].pollrate = 3;
        VirtualMouseBackend *mice = DeviceContext::virtualMice();
        const QByteArray before = mice->memory(nx19, 0, 0x800);
        m_boxes.answers = {answer};
        window->uploadWithProgress(false);
        QCOMPARE(m_boxes.texts.size(), 1);
        QVERIFY2(m_boxes.texts[0].contains(emptyFile
                                               ? QDir::toNativeSeparators(path)
                                               : "PROFILE/pollrate = 3 (allowed: 1 (1000 Hz)"),
                 qPrintable(m_boxes.texts[0]));
        if (emptyFile && answer == 1) {
            // Profile 2's first button is the left click again (0x100 + 66).
            QCOMPARE(mice->memory(nx19, 0x142, 4).toHex(), QByteArray("81000000"));
            QVERIFY(QFileInfo(path).size() > 0);
        } else {
            QCOMPARE(mice->memory(nx19, 0, 0x800), before);
            QVERIFY(mice->modes(nx19).isEmpty());
            QCOMPARE(QFileInfo(path).size() == 0, emptyFile);
        }
    }

    // Typing into the hexadecimal field: every length reads as a colour,
    // finishing rewrites the text to six digits.
    void hexField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("finished");
        QTest::addRow("empty: black") << "" << rgb(0, 0, 0) << "000000";
        QTest::addRow("1: blue only") << "f" << rgb(0, 0, 15) << "00000f";
        QTest::addRow("2: blue only") << "ff" << rgb(0, 0, 255) << "0000ff";
        QTest::addRow("3: digits doubled") << "f80" << rgb(255, 136, 0) << "ff8800";
        QTest::addRow("4: green and blue") << "1234" << rgb(0, 0x12, 0x34) << "001234";
        QTest::addRow("5: one red digit") << "abcde" << rgb(0x0a, 0xbc, 0xde) << "0abcde";
        QTest::addRow("6: pairs, upper case") << "12AB5F" << rgb(0x12, 0xab, 0x5f) << "12ab5f";
        QTest::addRow("7: the field keeps six") << "1234567" << rgb(0x12, 0x34, 0x56) << "123456";
    }

    void hexField()
    {
        QFETCH(QString, typed);
        QFETCH(QColor, color);
        QFETCH(QString, finished);
        VornColorArea area;
        area.setColor(rgb(10, 20, 30));
        area.show();
        QSignalSpy changes(&area, &VornColorArea::VornChangeColor);
        QSignalSpy applies(&area, &VornColorArea::ApplyColor);
        QLineEdit *hex = area.hexField();
        hex->setFocus();
        hex->selectAll();
        QTest::keyClick(hex, Qt::Key_Backspace);
        QTest::keyClicks(hex, typed);
        QCOMPARE(area.color(), color);
        QCOMPARE(changes.last().at(0).value<QColor>(), color);
        QCOMPARE(area.field(3)->value(), color.red());
        QCOMPARE(area.field(4)->value(), color.green());
        QCOMPARE(area.field(5)->value(), color.blue());
        QCOMPARE(hex->text(), typed.left(6)); // the text is left as typed
        QTest::keyClick(hex, Qt::Key_Return);
        QCOMPARE(hex->text(), finished);
        QCOMPARE(area.color(), color);
        QCOMPARE(applies.count(), 0);
    }

    // The hue bar: 128 x scale pixels from 7 below the top; the top edge is
    // hue 360, which shows as red.
    void hueBar_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("shownHue");
        QTest::addColumn<QColor>("preview");
        QTest::addRow("top edge") << 1.0 << 7 << 360 << 0 << rgb(255, 0, 0);
        QTest::addRow("above the strip") << 1.0 << 0 << 360 << 0 << rgb(255, 0, 0);
        QTest::addRow("below the strip") << 1.0 << 135 << 0 << 0 << rgb(255, 0, 0);
        QTest::addRow("bottom row") << 1.0 << 134 << 0 << 0 << rgb(255, 0, 0);
        QTest::addRow("bottom row, scale 1.5") << 1.5 << 198 << 0 << 0 << rgb(255, 0, 0);
        QTest::addRow("middle") << 1.0 << 71 << 180 << 180 << rgb(0, 255, 255);
    }

    void hueBar()
    {
        QFETCH(double, scale);
        QFETCH(int, y);
        QFETCH(int, hue);
        QFETCH(int, shownHue);
        QFETCH(QColor, preview);
        UiScale::setFactor(scale);
        VornColorArea area;
        area.show();
        // Full saturation and value first: the square's top right corner.
        QTest::mouseClick(area.square(), Qt::LeftButton, {}, QPoint(int(128 * scale), 0));
        QSignalSpy hues(area.hueBar(), &HColorArea::hueChangedSignal);
        QSignalSpy applies(&area, &VornColorArea::ApplyColor);
        QTest::mousePress(area.hueBar(), Qt::LeftButton, {}, QPoint(8, y));
        QCOMPARE(hues.count(), 1);
        QCOMPARE(hues.at(0).at(0).toInt(), hue);
        QCOMPARE(area.preview()->color(), preview);
        QCOMPARE(area.field(0)->value(), shownHue);
        QCOMPARE(applies.count(), 0);
        QTest::mouseRelease(area.hueBar(), Qt::LeftButton, {}, QPoint(8, y));
        QCOMPARE(applies.count(), 1);
    }

    // The square: the last column is saturation 255 and the last row value
    // 0, by a click as by a drag past them; the pixels before are not. The
    // same colour from outside places the marker at the inverse.
    void squarePointer_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("value");
        QTest::addColumn<QPointF>("marker");
        QTest::addRow("right edge, top")
            << 1.0 << QPoint(128, 0) << 255 << 255 << QPointF(127.5, 0.5);
        QTest::addRow("past the right edge")
            << 1.0 << QPoint(400, -20) << 255 << 255 << QPointF(127.5, 0.5);
        QTest::addRow("last column") << 1.0 << QPoint(127, 1) << 255 << 254 << QPointF(127.5, 1);
        QTest::addRow("last row") << 1.0 << QPoint(64, 127) << 128 << 0 << QPointF(64, 128);
        QTest::addRow("one pixel inside") << 1.0 << QPoint(126, 2) << 252 << 252 << QPointF(126, 2);
        QTest::addRow("last row, scale 1.5") << 1.5 << QPoint(0, 191) << 0 << 0 << QPointF(0, 192);
        QTest::addRow("left bottom") << 1.0 << QPoint(0, 128) << 0 << 0 << QPointF(0, 128);
        QTest::addRow("right edge, scale 1.5")
            << 1.5 << QPoint(191, 96) << 255 << 128 << QPointF(191.25, 96);
        QTest::addRow("scale 2") << 2.0 << QPoint(100, 206) << 100 << 50 << QPointF(100, 206);
    }

    void squarePointer()
    {
        QFETCH(double, scale);
        QFETCH(QPoint, at);
        QFETCH(int, saturation);
        QFETCH(int, value);
        QFETCH(QPointF, marker);
        UiScale::setFactor(scale);
        VornColorArea area;
        area.show();
        QTest::mouseClick(area.square(), Qt::LeftButton, {}, at);
        QCOMPARE(area.field(1)->value(), saturation);
        QCOMPARE(area.field(2)->value(), value);
        VornColorArea outside;
        QSignalSpy changes(&outside, &VornColorArea::VornChangeColor);
        outside.setColor(QColor::fromHsv(120, saturation, value));
        QCOMPARE(outside.square()->markerCentre(), marker);
        QCOMPARE(outside.field(1)->value(), saturation);
        QCOMPARE(outside.field(2)->value(), value);
        QCOMPARE(changes.count(), 0);
    }

    void swatchesAndFields()
    {
        VornColorArea area;
        area.show();
        QSignalSpy changes(&area, &VornColorArea::VornChangeColor);
        QSignalSpy applies(&area, &VornColorArea::ApplyColor);
        const QColor expected[] = {rgb(255, 0, 0),    rgb(0, 255, 0),   rgb(0, 0, 255),
                                   rgb(0, 255, 255),  rgb(255, 255, 0), rgb(255, 0, 255),
                                   rgb(255, 255, 255)};
        for (int i = 0; i < VornColorArea::kSwatches; ++i) {
            QTest::mouseClick(area.swatch(i), Qt::LeftButton);
            QCOMPARE(area.color(), expected[i]);
        }
        QCOMPARE(changes.count(), 7);
        QCOMPARE(applies.count(), 7);
        QCOMPARE(area.hexField()->text(), QStringLiteral("ffffff"));
        // An H field change: every field follows, nothing is applied.
        area.field(1)->setValue(255);
        area.field(0)->setValue(120);
        QCOMPARE(area.color(), rgb(0, 255, 0));
        QCOMPARE(area.hexField()->text(), QStringLiteral("00ff00"));
        QCOMPARE(applies.count(), 7);
        // An R field change is applied.
        area.field(3)->setValue(255);
        QCOMPARE(area.color(), rgb(255, 255, 0));
        QCOMPARE(area.field(0)->value(), 60);
        QCOMPARE(applies.count(), 8);
        // Typed digits are one change, taken when the number is finished.
        area.field(5)->setFocus();
        area.field(5)->selectAll();
        QTest::keyClicks(area.field(5), "128");
        QCOMPARE(applies.count(), 8);
        QTest::keyClick(area.field(5), Qt::Key_Return);
        QCOMPARE(area.color(), rgb(255, 255, 128));
        QCOMPARE(applies.count(), 9);
        QTest::mouseClick(area.applyButton(), Qt::LeftButton);
        QCOMPARE(applies.count(), 10);
    }

    // The effect menu by lighting class, in menu order.
    void effectMenu_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("effects");
        const QString breathing = "BREATHING", rainbow = "RAINBOW", full = "FULL LIGHTED",
                      wave = "WAVE", trace = "GO WITHOUT TRACE", reactive = "REACTIVE",
                      flash = "FLASH", off = "OFF", seven = "7 COLOR BREATHING";
        QTest::addRow("class 0, NX-13")
            << "NX-13" << QStringList{breathing, wave, seven, full, flash, off};
        QTest::addRow("class 0, NX-48")
            << "NX-48" << QStringList{breathing, rainbow, seven, full, flash, off};
        QTest::addRow("class 1") << "NX-01" << QStringList{breathing, rainbow,  full,  wave,
                                                           trace,     reactive, flash, off};
        QTest::addRow("class 2") << "NX-04"
                                 << QStringList{breathing, rainbow, full, wave, flash, off};
        QTest::addRow("class 3") << "NX-19" << QStringList{breathing, rainbow,  full,  wave,
                                                           trace,     reactive, flash, off};
        QTest::addRow("class 4") << "NX-23" << QStringList{breathing, rainbow, full, flash, off};
    }

    void effectMenu()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, effects);
        ProfileStore store = storeFor(model);
        VornColorWindow panel;
        panel.loadRecord(store);
        QCOMPARE(visibleTexts(panel.effectMenu()), effects);
    }

    // What each effect shows; the swatch-only models keep only the preview,
    // the hexadecimal field, the swatches and APPLY of the colour editor.
    void effectControls_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("picker");
        const QString nx19 = "NX-19";
        QTest::addRow("breathing") << nx19 << 0 << "BREATHING" << true << true << true << true;
        QTest::addRow("rainbow") << nx19 << 1 << "RAINBOW" << true << true << false << false;
        QTest::addRow("full lighted")
            << nx19 << 2 << "FULL LIGHTED" << true << false << true << true;
        QTest::addRow("wave") << nx19 << 3 << "WAVE" << true << true << false << false;
        QTest::addRow("go without trace")
            << nx19 << 4 << "GO WITHOUT TRACE" << true << true << false << false;
        QTest::addRow("reactive") << nx19 << 5 << "REACTIVE" << true << true << false << false;
        QTest::addRow("flash") << nx19 << 6 << "FLASH" << true << true << true << true;
        QTest::addRow("off") << nx19 << 7 << "OFF" << false << false << false << false;
        QTest::addRow("7 colour breathing, not in the class-3 menu")
            << nx19 << 8 << "7 COLOR BREATHING" << true << true << false << false;
        QTest::addRow("swatch-only model")
            << "NX-55" << 0 << "BREATHING" << true << true << true << false;
        QTest::addRow("swatch-only model, full lighted")
            << "NX-03" << 2 << "FULL LIGHTED" << true << false << true << false;
    }

    void effectControls()
    {
        QFETCH(QString, model);
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(bool, colour);
        QFETCH(bool, picker);
        ProfileStore store = storeFor(model);
        store.profiles[0].LED_MODE[mode].RGB = LedColour::fromRgb(1, 2, 3);
        VornColorWindow panel;
        panel.loadRecord(store);
        panel.show();
        panel.slotRefreshLightMode(mode);
        QCOMPARE(panel.effectButton()->text(), name);
        QCOMPARE(store.profiles[0].LedMode, quint8(mode));
        QCOMPARE(panel.brightnessSlider()->isVisible(), brightness);
        QCOMPARE(panel.brightnessLabel()->isVisible(), brightness);
        QCOMPARE(panel.speedSlider()->isVisible(), speed);
        QCOMPARE(panel.speedLabel()->isVisible(), speed);
        VornColorArea *area = panel.colorArea();
        QCOMPARE(area->isVisible(), colour);
        QCOMPARE(area->color(), rgb(1, 2, 3));
        if (colour) {
            QCOMPARE(area->hueBar()->isVisible(), picker);
            QCOMPARE(area->square()->isVisible(), picker);
            for (int i = 0; i < 6; ++i)
                QCOMPARE(area->field(i)->isVisible(), picker);
            QVERIFY(area->preview()->isVisible());
            QVERIFY(area->hexField()->isVisible());
            QVERIFY(area->swatch(6)->isVisible());
            QVERIFY(area->applyButton()->isVisible());
        }
    }

    // A model that keeps its lighting in profile 1's record (which ones is
    // tst_modeltable's) edits that record in every mode.
    void editedProfile_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("edited");
        QTest::addRow("class 4, NX-23") << "NX-23" << 0;
        QTest::addRow("class 3") << "NX-19" << 2;
    }

    void editedProfile()
    {
        QFETCH(QString, model);
        QFETCH(int, edited);
        ProfileStore store = storeFor(model);
        store.curProfile = 2;
        store.profiles[0].LedMode = 0;
        store.profiles[2].LedMode = 6;
        const ProfileStore before = store;
        VornColorWindow panel;
        panel.loadRecord(store);
        QCOMPARE(panel.effectButton()->text(),
                 edited == 0 ? QStringLiteral("BREATHING") : QStringLiteral("FLASH"));
        const int mode = store.profiles[edited].LedMode;
        panel.brightnessSlider()->setValue(1);
        panel.speedSlider()->setValue(7);
        QCOMPARE(store.profiles[edited].LED_MODE[mode].bright, 1u);
        QCOMPARE(store.profiles[edited].LED_MODE[mode].breath, 7u);
        panel.slotRefreshLightMode(2);
        QCOMPARE(store.profiles[edited].LedMode, quint8(2));
        for (int p = 0; p < kProfileCount; ++p) {
            if (p != edited)
                QVERIFY(store.profiles[p] == before.profiles[p]);
        }
    }

    // A drag from the first step past the last stores every step, and
    // writes the file and previews on the mouse once, on release; a key or
    // a wheel step is such a finished change too.
    void sliderChanges_data()
    {
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QString>("profile1"); // the lighting report after a drag
        // NX-19 defaults: red WAVE (class 3: code 2, variant 0) in every
        // profile, brightness 2, speed level 5 (byte 9 - 5 = 4).
        QTest::addRow("brightness 1 to 3, dragged")
            << true << "drag" << QList<int>{2, 3} << "ff000002040003";
        QTest::addRow("speed 1 to 8, dragged")
            << false << "drag" << QList<int>{2, 3, 4, 5, 6, 7, 8} << "ff000002010002";
        QTest::addRow("brightness, arrow key") << true << "key" << QList<int>{2} << QString();
        QTest::addRow("speed, wheel") << false << "wheel" << QList<int>{2} << QString();
    }

    void sliderChanges()
    {
        QFETCH(bool, brightness);
        QFETCH(QString, input);
        QFETCH(QList<int>, steps);
        QFETCH(QString, profile1);
        LoggedMouse mouse("NX-19");
        ProfileStore &store = StoreContext::store();
        initProfileStore(store);
        LedModeInfo &wave = store.profiles[0].LED_MODE[3];
        (brightness ? wave.bright : wave.breath) = 1;
        VornColorWindow panel;
        panel.resize(664, 199);
        panel.loadRecord(store);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        VornSlider *slider = brightness ? panel.brightnessSlider() : panel.speedSlider();
        QCOMPARE(slider->value(), 1);

        QList<int> seen;
        connect(slider, &QSlider::valueChanged, this, [&](int value) {
            seen << value;
            QCOMPARE(int(brightness ? wave.bright : wave.breath), value);
        });
        const QString file = profileFilePath(store.profileNames[0]);
        mouse.log.clear();
        if (input == QLatin1String("drag")) {
            // In moves of 4 pixels, nothing saved or sent before the release.
            dragSlider(slider, slider->width(), 4, [&] {
                QCOMPARE(mouse.log.size(), 0);
                QVERIFY(!QFile::exists(file));
            });
        } else if (input == QLatin1String("wheel")) {
            QWheelEvent step(QPointF(5, 5), slider->mapToGlobal(QPoint(5, 5)), QPoint(),
                             QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                             false);
            QCoreApplication::sendEvent(slider, &step);
        } else {
            QTest::keyClick(slider, Qt::Key_Right);
        }
        QCOMPARE(seen, steps);
        if (profile1.isEmpty()) {
            QVERIFY(!mouse.log.isEmpty());
        } else {
            // Every profile's lighting, 8 bytes apart; the others unchanged.
            QStringList expected{W(0x446, "0000"), S(10)};
            for (int p = 0; p < kProfileCount; ++p)
                expected << W(0x449 + 8 * p, p ? "ff000002040002" : qPrintable(profile1)) << S(10);
            QCOMPARE(mouse.log, expected << R(4) << W(0x02C, "00") << S(100));
        }
        ProfileData written;
        readProfile(written, file);
        QCOMPARE(written.LedMode, quint8(3));
        QCOMPARE(int(written.LED_MODE[3].bright), brightness ? steps.last() : 2);
        QCOMPARE(int(written.LED_MODE[3].breath), brightness ? 5 : steps.last());
    }

    // Both ends of every bar and a stored value show the DPI worked out by
    // hand; the scales of the other sensors are tst_modeltable's.
    void dpiScale_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("ends");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addRow("3399 NX-19") << "NX-19" << QStringList{"50", "40000"} << 400 << "20100";
        QTest::addRow("3212 NX-29") << "NX-29" << QStringList{"600", "7200"} << 111 << "7200";
    }

    void dpiScale()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, ends);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        ProfileStore store = storeFor(model);
        store.profiles[0].DPI_INFO[2] = DpiInfo{1, 0, 0, quint32(stored), quint32(stored)};
        VornDPIWindow panel;
        panel.loadRecord(store);
        QCOMPARE(panel.slider(2)->xSlider()->value(), stored);
        QCOMPARE(panel.xLabel(2)->text(), "X:" + shown);
        QCOMPARE(panel.yLabel(2)->text(), "Y:" + shown);
        // The value above a bar's handle shows while the mouse holds it,
        // though the bars sit in a box no higher than themselves; the
        // release that ends it is a finished change (sliderChanges).
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        VornSlider *bar = panel.slider(2)->ySlider();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
        QLabel *label = bar->valueLabel();
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QString::number(bar->value()));
        QCOMPARE(label->size(), QSize(20, 20));
        QCOMPARE(label->visibleRegion().boundingRect().size(), label->size());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
        QVERIFY(!label->isVisible());
        for (int s = 0; s < kDpiStageCount; ++s) {
            QCOMPARE((QStringList{panel.lowLabel(s)->text(), panel.highLabel(s)->text()}), ends);
            QSlider *x = panel.slider(s)->xSlider();
            QCOMPARE(panel.slider(s)->ySlider()->maximum(), x->maximum());
            x->setValue(x->minimum());
            QCOMPARE(panel.xLabel(s)->text(), "X:" + ends[0]);
            x->setValue(x->maximum());
            QCOMPARE(panel.xLabel(s)->text(), "X:" + ends[1]);
        }
    }

    void linkedStages()
    {
        ProfileStore store = storeFor("NX-03");
        ProfileData &rec = store.profiles[0];
        rec.DPI_INFO[1] = DpiInfo{1, 1, 77, 10, 30};
        rec.DPI_INFO[2] = DpiInfo{1, 0, 55, 10, 30};
        VornDPIWindow panel;
        panel.loadRecord(store);
        panel.show();
        // Linking copies Y into X, then the later value wins.
        QCOMPARE(panel.slider(1)->xSlider()->value(), 30);
        QCOMPARE(panel.slider(1)->ySlider()->value(), 30);
        QCOMPARE(panel.xLabel(1)->text(), QStringLiteral("X:3100"));
        QCOMPARE(panel.slider(2)->xSlider()->value(), 10);
        QCOMPARE(panel.slider(2)->ySlider()->value(), 30);

        // Linked bars move together; free ones do not.
        panel.slider(1)->xSlider()->setValue(40);
        QCOMPARE(panel.slider(1)->ySlider()->value(), 40);
        panel.slider(2)->xSlider()->setValue(40);
        QCOMPARE(panel.slider(2)->ySlider()->value(), 30);
        const DpiInfo &two = panel.profileData().DPI_INFO[2];
        QCOMPARE(two.x, 40u);
        QCOMPARE(two.y, 30u);
        QCOMPARE(two.xy, 55u);
        QCOMPARE(panel.profileData().DPI_INFO[3], rec.DPI_INFO[3]);

        // Linking a free stage later: X takes Y.
        QTest::mouseClick(panel.linkBox(2), Qt::LeftButton);
        QCOMPARE(panel.profileData().DPI_INFO[2].link, quint8(1));
        QCOMPARE(panel.slider(2)->xSlider()->value(), 30);
        QCOMPARE(panel.profileData().DPI_INFO[2].x, 30u);
        QTest::mouseClick(panel.linkBox(1), Qt::LeftButton);
        panel.slider(1)->ySlider()->setValue(5);
        QCOMPARE(panel.slider(1)->xSlider()->value(), 40);

        // Enable and the active stage; Apply takes the copy back.
        QTest::mouseClick(panel.enableBox(0), Qt::LeftButton);
        QCOMPARE(panel.profileData().DPI_INFO[0].used, quint8(0));
        QCOMPARE(panel.profileData().dpi, quint8(0));
        QTest::mouseClick(panel.stageButton(3), Qt::LeftButton);
        QCOMPARE(panel.profileData().dpi, quint8(3));
        panel.rescale(); // as a language change or a late placement does
        QCOMPARE(panel.xLabel(3)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(panel.xLabel(0)->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(rec.dpi, quint8(0));
        panel.collectRecord(store);
        QCOMPARE(rec.dpi, quint8(3));
        QCOMPARE(rec.DPI_INFO[0].used, quint8(0));
        QCOMPARE(rec.DPI_INFO[1], (DpiInfo{1, 0, 77, 40, 5}));
        QCOMPARE(rec.DPI_INFO[2], (DpiInfo{1, 1, 55, 30, 30}));
    }

    // Every size class: the rows stay inside the panel and apart, and the
    // bars take the handle and the length of their class. The compact
    // layout hides the enable column and lengthens the bars; a stage the
    // model lacks is shown greyed and keeps what it stores.
    void dpiRowsAtEverySize_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sizeClass");
        QTest::addColumn<QString>("handle");
        QTest::addColumn<bool>("enableColumn");
        QTest::addColumn<int>("barWidth"); // in class 0, to the pixel in the others
        QTest::addColumn<int>("stages");
        const QString class0 = "width:  18px;height: 9px;";
        QTest::addRow("NX-19 compact, class 0") << "NX-19" << 0 << class0 << false << 331 << 5;
        QTest::addRow("NX-03, class 0") << "NX-03" << 0 << class0 << true << 301 << 5;
        QTest::addRow("NX-04 lacks stage 5") << "NX-04" << 0 << class0 << true << 301 << 4;
        QTest::addRow("NX-19, class 1")
            << "NX-19" << 1 << "width:  22px;height: 11px;" << false << 331 << 5;
        QTest::addRow("NX-03, class 16")
            << "NX-03" << 16 << "width:  90px;height: 45px;" << true << 301 << 5;
    }

    void dpiRowsAtEverySize()
    {
        QFETCH(QString, model);
        QFETCH(int, sizeClass);
        QFETCH(QString, handle);
        QFETCH(bool, enableColumn);
        QFETCH(int, barWidth);
        QFETCH(int, stages);
        const double scale = 1.0 + 0.25 * sizeClass;
        UiScale::setFactor(scale);
        ProfileStore store = storeFor(model);
        const ProfileStore before = store;
        VornDPIWindow panel;
        panel.resize(int(456 * scale), int(386 * scale));
        panel.loadRecord(store);
        panel.show();
        QVERIFY(panel.slider(0)->xSlider()->styleSheet().contains(handle));
        QVERIFY(panel.slider(4)->ySlider()->styleSheet().contains(handle));
        QCOMPARE(panel.enableHeading()->isVisible(), enableColumn);
        int previousBottom = -1;
        for (int s = 0; s < kDpiStageCount; ++s) {
            QCOMPARE(panel.enableBox(s)->isVisible(), enableColumn);
            QVERIFY(qAbs(panel.slider(s)->width() - barWidth * scale) < 1);
            QCOMPARE(panel.stageButton(s)->isEnabled(), s < stages);
            QCOMPARE(panel.slider(s)->isEnabled(), s < stages);
            QList<QWidget *> row{panel.stageButton(s), panel.xLabel(s),   panel.yLabel(s),
                                 panel.linkBox(s),     panel.lowLabel(s), panel.slider(s),
                                 panel.highLabel(s)};
            if (enableColumn)
                row << panel.enableBox(s);
            QRect rowArea;
            for (int i = 0; i < row.size(); ++i) {
                const QRect g = row.at(i)->geometry();
                QVERIFY2(panel.rect().contains(g), qPrintable(row.at(i)->objectName()));
                for (int j = 0; j < i; ++j)
                    QVERIFY(!g.intersects(row.at(j)->geometry()));
                rowArea = rowArea.united(g);
            }
            QVERIFY(rowArea.top() > previousBottom);
            previousBottom = rowArea.bottom();
        }
        panel.collectRecord(store);
        QVERIFY(store == before);
    }

    // A code without a name is readerSlotsShowAndSendNothing's.
    void smallPanels()
    {
        ProfileStore store = storeFor("NX-18");
        store.LiftHigh = 0;
        store.profiles[0].pollrate = 4;
        VornReportRate rate;
        VornPointSpeed speed;
        VornLiftOffDistance lift;
        rate.loadRecord(store);
        speed.loadRecord(store);
        lift.loadRecord(store);
        QCOMPARE(rate.rateButton()->text(), QStringLiteral("250 HZ"));
        QCOMPARE(visibleTexts(rate.rateMenu()),
                 (QStringList{"125 HZ", "250 HZ", "500 HZ", "1000 HZ"}));
        rate.rateMenu()->actions().at(3)->trigger();
        QCOMPARE(rate.rateButton()->text(), QStringLiteral("1000 HZ"));
        QCOMPARE(store.profiles[0].pollrate, quint8(4));
        rate.collectRecord(store);
        QCOMPARE(store.profiles[0].pollrate, quint8(1));
        // The pointer speed goes into the record at once (its control is
        // tst_everysetting's).
        speed.pointerSlider()->setValue(17);
        QCOMPARE(store.profiles[0].mousespeed, quint8(17));

        // NX-18 offers two distances; a stored 3 mm still shows. A distance
        // picked and committed is tst_everysetting's.
        QCOMPARE(lift.liftButton()->text(), QStringLiteral("3 mm"));
        QCOMPARE(visibleTexts(lift.liftMenu()), (QStringList{"2 mm", "1 mm"}));
        writeProductName("NX-19");
        lift.setValue(1);
        QCOMPARE(lift.liftButton()->text(), QStringLiteral("2 mm"));
        QCOMPARE(visibleTexts(lift.liftMenu()), (QStringList{"3 mm", "2 mm", "1 mm"}));
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
        openWindow({model});
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
        commands()->setFileDialogs(nullptr, fileDialog("Load Profile File", imported));
        const ProfileStore storeBefore = StoreContext::store();
        const QStringList listBefore = savedList();
        const auto disk = fileSnapshot(m_home->path());
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
        const QStringList three = {"Profile 1", "Profile 2", "Profile 3", "X", "Y"};
        QTest::addRow("Profile 1 to 3 present")
            << three << QStringList{"Profile 4", "Profile 5"} << "Profile 4"
            << (three + QStringList{"Profile 4"});
        QTest::addRow("all five present")
            << kFive << QStringList() << "Profile 6" << (kFive + QStringList{"Profile 6"});
        // Mode 4 still names the file it lost: a new profile must not share it.
        QTest::addRow("mode 4's file is missing")
            << kFive << QStringList{"Profile 4"} << "Profile 6"
            << (kFive + QStringList{"Profile 6"});
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
        const QStringList abc = kFive + QStringList{"A", "B", "C"};
        QTest::addRow("the next entry")
            << abc << QStringList{"B"} << "C" << (kFive + QStringList{"A", "C"});
        QTest::addRow("the previous entry when the last is deleted")
            << abc << QStringList{"C"} << "B" << (kFive + QStringList{"A", "B"});
        QTest::addRow("the next belongs to mode 2: back past the deleted one")
            << abc << QStringList{"B", "C"} << "A" << (kFive + QStringList{"A", "C"});
        QTest::addRow("back over the entries of modes 2 and 3")
            << abc << QStringList{"B", "C", "A", "Profile 4", "Profile 3"} << "Profile 5"
            << (kFive + QStringList{"A", "C"});
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
        QCOMPARE(productValue("Config/Profile1"), QStringLiteral("Set 1"));
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
        QCOMPARE(savedList(), kFive + QStringList({"Profile 1 copy", "Profile 1 copy copy",
                                                   "Profile 2 copy", "Sniping & more"}));
        QCOMPARE(menuActions().last()->text(), QStringLiteral("Sniping && more"));
        QCOMPARE(productValue("Config/Profile2"), QStringLiteral("Sniping & more"));
        QCOMPARE(productValue("Config/Profile1"), QStringLiteral("Profile 1 copy copy"));
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
        commands()->setFileDialogs(fileDialog("Save Profile File", typed), nullptr);
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
        commands()->setFileDialogs(nullptr, fileDialog("Load Profile File", source));
        click("prof_load");
        QCOMPARE(m_boxes.boxes.size(), 0);
        QCOMPARE(nameEdit()->text(), QStringLiteral("Match"));
        QCOMPARE(StoreContext::store().profileNames[0], QStringLiteral("Match"));
        QCOMPARE(StoreContext::store().profiles[0].pollrate, quint8(4));
        QCOMPARE(savedList().last(), QStringLiteral("Match"));
        QCOMPARE(fileBytes(profileFilePath(QStringLiteral("Match"))), fileBytes(source));
        // Saved and sent at once: the mode's file names it in Config.ini.
        QCOMPARE(productValue("Config/Profile1"), QStringLiteral("Match"));
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
        QCOMPARE(savedList(), kFive);
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            QCOMPARE(fileBytes(it.key()), it.value());
    }

    void unsafeNameInConfigIsReported()
    {
        QVERIFY(saveStore(storeFor("NX-19")));
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
        openWindow({QStringLiteral("NX-19")}, &log);
        std::unique_ptr<ScratchMount> mount;
        if (readOnly) {
            mount = std::make_unique<ScratchMount>(m_home->dataFolder(), ScratchMount::ReadOnly);
            if (!mount->ok())
                QSKIP("no tmpfs can be mounted here (needs root)");
        } else {
            DeviceContext::virtualMice()->failNthReport("NX-19", 3);
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
