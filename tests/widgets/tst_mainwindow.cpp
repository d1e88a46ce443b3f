#include "common/AnsweredBoxes.h"
#include "common/FileBytes.h"
#include "common/ReportLog.h"
#include "common/UiHome.h"

#include "app/MousecfgWidget.h"
#include "app/ProgramProfilesDialog.h"
#include "device/DeviceContext.h"
#include "device/VornHidReadThread.h"
#include "device/hid/VirtualMouseBackend.h"
#include "macro/ui/MacroDialog.h"
#include "panels/VornDPIWindow.h"
#include "panels/VornLiftOffDistance.h"
#include "panels/VornReportRate.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/ProgramRules.h"
#include "store/StoreContext.h"
#include "widgets/ShellState.h"
#include "widgets/UiScale.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

#include <QAction>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// The main window on the offscreen platform, over virtual mice.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UiHome> m_home;
    AnsweredBoxes m_boxes;

    std::unique_ptr<MousecfgWidget> makeWindow(const QStringList &mice)
    {
        installVirtualMice(mice);
        return std::make_unique<MousecfgWidget>();
    }

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

    void cleanup() { m_home.reset(); }

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
        auto window = makeWindow({QStringLiteral("NX-19")});
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
        auto window = makeWindow({model});
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
        auto window = makeWindow({QStringLiteral("NX-30")});
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

    void selectMode()
    {
        auto window = makeWindow({QStringLiteral("NX-19")});
        ProfileStore &store = StoreContext::store();
        // Make the file of mode 3 differ from the record in memory.
        ProfileData onDisk = store.profiles[2];
        onDisk.pollrate = 8;
        QVERIFY(saveProfileFile(onDisk, store.profileNames[2]));
        store.profiles[2].pollrate = 1;

        window->selectMode(2, false);
        QCOMPARE(store.curProfile, quint8(2));
        QCOMPARE(store.profiles[2].pollrate, quint8(1));
        QCOMPARE(window->modeButtonText(), QStringLiteral("Mode 3"));
        QCOMPARE(window->nameEdit()->text(), store.profileNames[2]);
        QSettings product(productConfigPath(), QSettings::IniFormat);
        QCOMPARE(product.value(QStringLiteral("Config/ProfileID")).toInt(), 2);

        window->selectMode(2, true);
        QCOMPARE(store.profiles[2].pollrate, quint8(8));
        QCOMPARE(store.profiles[2].ProfileName, store.profileNames[2]);
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
        auto window = makeWindow({QStringLiteral("NX-19")});
        ProgramRules stored;
        stored.enabled = true;
        stored.defaultMode = 4;
        stored.rules = {{QStringLiteral("cs2"), 3}, {QStringLiteral("steam"), 2}};
        QVERIFY(writeProgramRules(productConfigPath(), stored));

        ProgramProfilesDialog dialog(nullptr, window.get());
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

    void modeMenuSize()
    {
        QFETCH(QString, model);
        QFETCH(int, modes);
        auto window = makeWindow({model});
        QCOMPARE(window->modeActionCount(), modes);
        // The modes, a separator and the program profiles' entry.
        QCOMPARE(window->modeMenu()->actions().size(), modes + 2);
        // A report of a mode the model lacks is ignored.
        const quint8 before = StoreContext::store().curProfile;
        window->slotRefreshProfile(quint8(modes));
        QCOMPARE(StoreContext::store().curProfile, before);
    }

    void lightModeReportUsesTheModelsClass()
    {
        // NX-01 is class 1, NX-19 class 3: the same bytes mean different
        // effects.
        auto window = makeWindow({QStringLiteral("NX-01")});
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
        auto backend = std::make_unique<VirtualMouseBackend>(QStringList{"NX-19"});
        VirtualMouseBackend *mice = backend.get();
        DeviceContext::installHid(std::make_unique<ReportLog>(std::move(backend), &log), mice);
        MousecfgWidget window;
        ProfileStore &store = StoreContext::store();
        const PanelSet &panels = window.panelSet();
        auto *dpi = panels.find<VornDPIWindow>();
        auto *rate = panels.find<VornReportRate>();
        auto *lift = panels.find<VornLiftOffDistance>();
        QVERIFY(dpi && rate && lift);
        const int sent = log.size();

        window.slotRefreshRate(8);
        QCOMPARE(rate->rateButton()->text(), QStringLiteral("125 HZ"));
        window.slotRefreshRate(3); // a code without a name leaves the text
        QCOMPARE(rate->rateButton()->text(), QStringLiteral("125 HZ"));
        QCOMPARE(rate->profileData().pollrate, quint8(3));
        QCOMPARE(store.profiles[store.curProfile].pollrate, quint8(3));

        window.slotRefreshProfile(3);
        QCOMPARE(store.curProfile, quint8(3));
        QCOMPARE(window.modeButtonText(), QStringLiteral("Mode 4"));

        window.slotRefreshDPIStage(2);
        QVERIFY(dpi->stageButton(2)->isChecked());
        QCOMPARE(dpi->profileData().dpi, quint8(2));
        QCOMPARE(dpi->yLabel(2)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(store.profiles[3].dpi, quint8(2));
        QSettings file(profileFilePath(store.profileNames[3]), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("PROFILE/dpi")).toInt(), 2);

        window.slotRefreshLift(1);
        QCOMPARE(lift->liftButton()->text(), QStringLiteral("2 mm"));
        QCOMPARE(store.LiftHigh, quint8(1));
        // The lighting report: lightModeReportUsesTheModelsClass, and the
        // panel's side tst_settingspanels'.
        QCOMPARE(log.size(), sent);
    }

    void languageSwitch()
    {
        auto window = makeWindow({QStringLiteral("NX-19")});
        QCOMPARE(window->tabButton(0)->text(), QStringLiteral("LIGHTING"));
        window->setLanguage(1);
        QCOMPARE(window->tabButton(0)->text(), QString::fromUtf8("灯光"));
        QCOMPARE(window->modeButtonText().left(2), QString::fromUtf8("模式"));
        QCOMPARE(readLangId(), 1);
        QCOMPARE(UiScale::languageIndex(), 1);
        window->setLanguage(2);
        QCOMPARE(window->tabButton(0)->text(), QString::fromUtf8("燈光"));
        window->setLanguage(0);
        QCOMPARE(window->tabButton(0)->text(), QStringLiteral("LIGHTING"));
        QCOMPARE(readLangId(), 0);
    }

    void startsWithTheStoredLanguage()
    {
        writeLangId(2);
        auto window = makeWindow({QStringLiteral("NX-19")});
        QCOMPARE(window->languageIndex(), 2);
        QCOMPARE(window->tabButton(3)->text(), QString::fromUtf8("巨集"));
        QCoreApplication::removeTranslator(window->findChild<QTranslator *>());
    }

    // No model met yet: nothing goes into the data folder's own root. The
    // warning, and a mouse plugged in closing it, are tst_e2e's.
    void noMouseWritesNoProfileFolder()
    {
        auto window = makeWindow({});
        QCOMPARE(window->connectedCount(), 0);
        QVERIFY(!QDir(dataFolder() + "/Profile").exists());
    }

    // The readers stop and are gone once they have ended; a mouse plugged
    // in again starts two new ones.
    void removingTheLastMouseWarnsAgain()
    {
        auto window = makeWindow({QStringLiteral("NX-19")});
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
        window.reset();
        QCOMPARE(VornHidReader::liveCount(), 0);
    }

    // Showing, hiding and the double-click are tst_e2e's, in a real tray;
    // a context click, or any click while the warning is up, does nothing.
    void trayClicksThatDoNothing()
    {
        auto window = makeWindow({QStringLiteral("NX-19")});
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
        auto window = makeWindow({QStringLiteral("NX-01"), QStringLiteral("NX-19")});
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
        auto window = makeWindow({QStringLiteral("NX-19")});
        window->show();
        window->move(100, 100);
        const QPoint start = window->pos();
        const QPoint inside(500, 600); // on the background, away from any control
        QTest::mousePress(window.get(), Qt::LeftButton, {}, inside);
        QMouseEvent small(QEvent::MouseMove, inside + QPoint(2, 2),
                          window->mapToGlobal(inside + QPoint(2, 2)), Qt::NoButton, Qt::LeftButton,
                          {});
        QCoreApplication::sendEvent(window.get(), &small);
        QCOMPARE(window->pos(), start);
        QMouseEvent far(QEvent::MouseMove, inside + QPoint(30, 10),
                        window->mapToGlobal(inside + QPoint(30, 10)), Qt::NoButton, Qt::LeftButton,
                        {});
        QCoreApplication::sendEvent(window.get(), &far);
        QCOMPARE(window->pos(), start + QPoint(30, 10));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, inside);
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

        auto window = makeWindow({QStringLiteral("NX-14")});
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
        auto window = makeWindow({QStringLiteral("NX-19")});
        QTRY_VERIFY(window->readersRunning());
        QTest::qWait(150); // the readers are in their read
        QVERIFY(DeviceContext::virtualMice()->switchProfile("NX-19", 2));
        QTRY_COMPARE(StoreContext::store().curProfile, quint8(2));
        QCOMPARE(window->modeButtonText(), QStringLiteral("Mode 3"));
        // Nothing went back to the mouse.
        QCOMPARE(DeviceContext::virtualMice()->refreshes(QStringLiteral("NX-19")), QByteArray());
    }

    // A profile file that holds nothing is not sent as zeros: the window
    // asks, and only on Yes sends the model's defaults for that profile.
    void emptyProfileFileIsOfferedDefaults_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addRow("no") << 0;
        QTest::addRow("yes") << 1;
    }

    void emptyProfileFileIsOfferedDefaults()
    {
        QFETCH(int, answer);
        const QString nx19 = "NX-19";
        auto window = makeWindow({nx19});
        const QString path = profileFilePath(StoreContext::store().profileNames[1]);
        QVERIFY(writeFileBytes(path, QByteArray()));
        const QByteArray before = DeviceContext::virtualMice()->memory(nx19, 0, 0x800);
        m_boxes.answers = {answer};
        window->uploadWithProgress(false);
        QCOMPARE(m_boxes.texts.size(), 1);
        QVERIFY2(m_boxes.texts[0].contains(QDir::toNativeSeparators(path)),
                 qPrintable(m_boxes.texts[0]));
        VirtualMouseBackend *mice = DeviceContext::virtualMice();
        if (answer == 0) {
            QCOMPARE(mice->memory(nx19, 0, 0x800), before);
            QVERIFY(mice->modes(nx19).isEmpty());
            QCOMPARE(QFileInfo(path).size(), qint64(0));
        } else {
            // Profile 2's first button is the left click again (0x100 + 66).
            QCOMPARE(mice->memory(nx19, 0x142, 4).toHex(), QByteArray("81000000"));
            QVERIFY(QFileInfo(path).size() > 0);
        }
    }

    void codeWithoutMeaningIsNotSent()
    {
        const QString nx19 = "NX-19";
        auto window = makeWindow({nx19});
        StoreContext::store().profiles[3].pollrate = 3;
        const QByteArray before = DeviceContext::virtualMice()->memory(nx19, 0, 0x800);
        window->uploadWithProgress(false);
        QCOMPARE(m_boxes.texts.size(), 1);
        QVERIFY2(m_boxes.texts[0].contains("PROFILE/pollrate = 3 (allowed: 1 (1000 Hz)"),
                 qPrintable(m_boxes.texts[0]));
        QCOMPARE(DeviceContext::virtualMice()->memory(nx19, 0, 0x800), before);
        QVERIFY(DeviceContext::virtualMice()->modes(nx19).isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
