#include "common/AnsweredBoxes.h"
#include "common/FileBytes.h"
#include "common/UiHome.h"

#include "macro/MacroLibrary.h"
#include "macro/ui/MacroDialog.h"
#include "macro/ui/VornCheckButton.h"
#include "macro/ui/VornGunsetDialog.h"
#include "macro/ui/VornListItem.h"
#include "macro/ui/VornMacroSelect.h"
#include "macro/ui/VornTreeWidget.h"
#include "platform/KeyboardCapture.h"
#include "store/DataFolder.h"
#include "widgets/FileDialogs.h"
#include "widgets/UiScale.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

using Events = QVector<MacroEvent>;

namespace {

// Stands in for the system's key capture: the test emits keyEvent itself.
class FakeCapture : public KeyboardCapture
{
public:
    FakeCapture() : KeyboardCapture(nullptr) {}
    bool start(QWidget *) override { return m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void key(quint32 vk, quint32 scan, quint32 flags)
    {
        KeyRecord r{vk, scan, flags};
        emit keyEvent(r);
    }

private:
    bool m_active = false;
};

QStringList folderListing()
{
    return QDir(dataFolder() + QStringLiteral("/MacroDB")).entryList(QDir::Files);
}

} // namespace

class TestMacroDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UiHome> m_home;
    AnsweredBoxes m_boxes;

    void click(MacroDialog &d, MacroDialog::Control c) { d.control(c)->click(); }

    // A library of one macro holding `rows` events.
    void makeMacro(int rows)
    {
        MacroFileData macro;
        macro.events = QVector<MacroEvent>(rows, MacroEvent{0x84, 0, 4});
        QVERIFY(writeMacroFile(QStringLiteral("full"), macro));
        QVERIFY(addToMacroLibrary(QStringLiteral("full")));
    }

private slots:
    void init()
    {
        m_home = std::make_unique<UiHome>();
        QDir().mkpath(dataFolder() + QStringLiteral("/MacroDB"));
        m_boxes.reset();
    }

    void cleanup()
    {
        MacroLibraryCommands::setFileDialogHook(nullptr);
        m_home.reset();
    }

    void recordAndSave()
    {
        FakeCapture capture;
        MacroDialog d(nullptr, &capture);
        QSignalSpy enabled(&d, &MacroDialog::EnableButtonsSignal);
        // Without a macro START records nothing and leaves the window usable.
        click(d, MacroDialog::Start);
        QVERIFY(d.control(MacroDialog::Stop)->isVisibleTo(&d));
        capture.key(0x41, 0x1E, 0x00);
        QVERIFY(d.eventList()->count() == 0 && enabled.isEmpty());
        click(d, MacroDialog::Stop);
        enabled.clear();
        click(d, MacroDialog::NewMacro);
        QCOMPARE(d.currentMacro(), QStringLiteral("name_1"));

        // The recorder's rules (repeats, extended keys) are tst_macrorules'.
        click(d, MacroDialog::Start);
        QVERIFY(capture.isActive());
        QVERIFY(!d.control(MacroDialog::Save)->isEnabled());
        QVERIFY(!d.macroList()->isEnabled());
        capture.key(0x41, 0x1E, 0x00);
        capture.key(0x41, 0x1E, 0x80);
        click(d, MacroDialog::Stop);
        QVERIFY(!capture.isActive());
        QCOMPARE(enabled.size(), 2); // off while recording, on again
        QVERIFY(!enabled.at(0).at(0).toBool() && enabled.at(1).at(0).toBool());
        QVERIFY(m_boxes.texts.isEmpty());
        const Events expected{{0x84, 0, 4}, {0x04, 0, 4}};
        QCOMPARE(readMacroFile(QStringLiteral("name_1")).events, expected);
        QCOMPARE(d.row(1)->text(), QStringLiteral("A"));
        // RECORD AFTER inserts after the current row.
        d.eventList()->setCurrentRow(0);
        click(d, MacroDialog::RecordAfter);
        capture.key(0x43, 0x2E, 0x00);
        capture.key(0x43, 0x2E, 0x80);
        click(d, MacroDialog::Stop);
        QCOMPARE(readMacroFile(QStringLiteral("name_1")).events,
                 (Events{expected[0], {0x84, 0, 6}, {0x04, 0, 6}, expected[1]}));
    }

    // The macro refuses what passes 63 events (its own test has the rules);
    // the page says so, for the commands and for the recorder.
    void boundOnEveryPath_data()
    {
        QTest::addColumn<bool>("record");
        QTest::addRow("full click refused") << false;
        QTest::addRow("recorder stops") << true;
    }

    void boundOnEveryPath()
    {
        QFETCH(bool, record);
        makeMacro(record ? 61 : 62);
        FakeCapture capture;
        MacroDialog d(nullptr, &capture);
        d.eventList()->setCurrentRow(d.eventList()->count() - 1);
        if (!record) {
            d.commandTree()->command(0)->setExpanded(true);
            d.TreeitemClick(d.commandTree()->command(0), 0);
        } else {
            d.control(MacroDialog::RecordDelays)->click();
            d.control(MacroDialog::RecordAfter)->click();
            for (int i = 0; i < 5; ++i) {
                capture.key(0x41, 0x1E, 0x00);
                capture.key(0x41, 0x1E, 0x80);
            }
            click(d, MacroDialog::Stop);
        }
        // Saved all the same (the tail warning first), the last release lost.
        QCOMPARE(readMacroFile(QStringLiteral("full")).events.size(), 62);
        QCOMPARE(m_boxes.texts.join(u'|'),
                 (record ? macroTailLostMessage() + "|ONE OR MORE KEYS HAS NOT BEEN RELEASED.|"
                         : QString()) +
                     macroFullMessage());
    }

    // The name rules have their own test; the page shows the refusal.
    void unsafeNameRefusedOnRename()
    {
        MacroDialog d;
        click(d, MacroDialog::NewMacro);
        d.nameEdit()->setText(QStringLiteral("../x"));
        click(d, MacroDialog::ChangeName);
        QCOMPARE(m_boxes.texts.size(), 1);
        QVERIFY(m_boxes.texts.first().contains(QStringLiteral("ONE OF / \\ : * ? \" < > |")));
        QCOMPARE(folderListing(), QStringList{QStringLiteral("name_1.MSMACRO")});
        d.nameEdit()->setText(QStringLiteral("burst"));
        click(d, MacroDialog::ChangeName);
        QCOMPARE(macroLibrary(), QStringList{QStringLiteral("burst")});
        QCOMPARE(folderListing(), QStringList{QStringLiteral("burst.MSMACRO")});
    }

    void importRefusals()
    {
        MacroDialog d;
        click(d, MacroDialog::NewMacro);
        const QString bad = m_home->path() + QStringLiteral("/evil..MSMACRO");
        const QString junk = m_home->path() + QStringLiteral("/junk.MSMACRO");
        QSettings(bad, QSettings::IniFormat).setValue(QStringLiteral("Setting/Count"), 0);
        QVERIFY(writeFileBytes(junk, "not a macro"));
        const QStringList folder = folderListing();
        MacroLibraryCommands::setFileDialogHook([&](MacroLibraryCommands::FileDialog kind) {
            return kind == MacroLibraryCommands::OpenMany ? QStringList{bad, junk}
                                                          : QStringList{bad};
        });
        click(d, MacroDialog::Import);
        click(d, MacroDialog::Batch);
        click(d, MacroDialog::Import);
        QCOMPARE(m_boxes.texts.size(), 2);
        QVERIFY(m_boxes.texts.at(0).endsWith(QStringLiteral("ENDS WITH A DOT OR A SPACE.")));
        QVERIFY(m_boxes.texts.at(1).contains(QStringLiteral("junk.MSMACRO: ")));
        QCOMPARE(macroLibrary(), QStringList{QStringLiteral("name_1")});
        QCOMPARE(folderListing(), folder);
    }

    void exportSingleAndBatch()
    {
        MacroDialog d;
        click(d, MacroDialog::NewMacro);
        click(d, MacroDialog::NewMacro);
        // A name typed without the suffix gets it; the next dialog opens
        // where this one ended, or at home once that folder is gone.
        const QString typed = m_home->path() + QStringLiteral("/sub/out");
        const QString single = typed + QStringLiteral(".MSMACRO");
        const QString folder = m_home->path() + QStringLiteral("/batch");
        QDir().mkpath(folder);
        QDir().mkpath(m_home->path() + QStringLiteral("/sub"));
        MacroLibraryCommands::setFileDialogHook([&](MacroLibraryCommands::FileDialog kind) {
            return QStringList{kind == MacroLibraryCommands::SaveOne ? typed : folder};
        });
        click(d, MacroDialog::Export);
        QCOMPARE(fileDialogFolder(), m_home->path() + QStringLiteral("/sub"));
        QSettings exported(single, QSettings::IniFormat);
        QCOMPARE(exported.value(QStringLiteral("Setting/LoopTime")).toInt(), 1);
        QVERIFY(exported.value(QStringLiteral("Setting/MacroFilePath"))
                    .toString()
                    .endsWith(QStringLiteral("/name_2.MSMACRO")));

        click(d, MacroDialog::Batch);
        QVERIFY(d.isBatchMode());
        QVERIFY(!d.control(MacroDialog::Start)->isEnabled());
        QVERIFY(!d.control(MacroDialog::Save)->isEnabled());
        QVERIFY(d.control(MacroDialog::Import)->isEnabled());
        QVERIFY(d.macroList()->isEnabled());
        auto *box = qobject_cast<QCheckBox *>(d.macroList()->itemWidget(d.macroList()->item(0)));
        QVERIFY(box);
        box->setChecked(true);
        click(d, MacroDialog::Export);
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 QStringList{QStringLiteral("name_1.MSMACRO")});
        QCOMPARE(fileDialogFolder(), folder);
        QVERIFY(QDir(folder).removeRecursively());
        QCOMPARE(fileDialogFolder(), QDir::homePath());
        click(d, MacroDialog::Batch);
        QVERIFY(d.control(MacroDialog::Start)->isEnabled());
    }

    void delayOptionsAndInPlaceEdit()
    {
        makeMacro(1);
        MacroDialog d;
        QAbstractButton *record = d.control(MacroDialog::RecordDelays);
        QAbstractButton *defaults = d.control(MacroDialog::DefaultDelays);
        defaults->click();
        QVERIFY(record->isChecked());
        QCOMPARE(d.delayType(), 2);
        record->click();
        QVERIFY(!defaults->isChecked());
        QCOMPARE(d.delayType(), 0);

        d.eventList()->setCurrentRow(0);
        click(d, MacroDialog::InsertDelay);
        QCOMPARE(d.eventList()->currentRow(), 1);
        d.itemDoubleClicked(d.eventList()->model()->index(1, 0));
        VornListItem *row = d.row(1);
        QVERIFY(row->isEditing());
        row->editor()->setText(QStringLiteral("70000"));
        row->editPressSlot();
        QCOMPARE(row->text(), QStringLiteral("65530 ms"));
        QCOMPARE(d.events(), (Events{{0x84, 0, 4}, {6, 25, 153}}));
        // Saved without delay options, the delay still reads back.
        click(d, MacroDialog::Save);
        click(d, MacroDialog::CancelEdit);
        QCOMPARE(d.events(), (Events{{0x84, 0, 4}, {6, 25, 153}}));
    }

    // The buttons under the list reach the macro (its own test has the
    // rules), each on the current row or the selection.
    void listCommands()
    {
        MacroDialog d;
        click(d, MacroDialog::NewMacro);
        for (int direction = 0; direction < 4; ++direction) {
            d.commandTree()->move(direction)->distanceEdit()->setText(
                QString::number(direction + 1));
            d.TreeitemClick(d.commandTree()->command(5 + direction), 0);
        }
        // Left 1, right 2, up 3, down 4.
        const Events m{{2, 0, 255}, {2, 0, 2}, {2, 253, 0}, {2, 4, 0}};
        QCOMPARE(d.events(), m);
        const struct
        {
            MacroDialog::Control button;
            int current;
            Events after;
        } steps[] = {
            {MacroDialog::RowTop, 2, {m[2], m[0], m[1], m[3]}},
            {MacroDialog::RowBottom, 0, {m[0], m[1], m[3], m[2]}},
            {MacroDialog::RowDown, 1, {m[0], m[3], m[1], m[2]}},
            {MacroDialog::RowUp, 2, {m[0], m[1], m[3], m[2]}},
            {MacroDialog::RowCut, 1, {m[0], m[3], m[2]}},
            {MacroDialog::RowPaste, 2, {m[0], m[3], m[2], m[1]}},
        };
        for (const auto &step : steps) {
            d.eventList()->setCurrentRow(step.current);
            click(d, step.button);
            QCOMPARE(d.events(), step.after);
        }
        // A selection of several rows shows as such, across the rows.
        d.show();
        d.eventList()->setCurrentRow(0);
        d.eventList()->item(2)->setSelected(true);
        const QImage shown = d.eventList()->viewport()->grab().toImage();
        for (int r = 0; r < 4; ++r) {
            const QRect row = d.eventList()->visualItemRect(d.eventList()->item(r));
            const QColor middle = shown.pixelColor(row.right() - 4, row.center().y());
            QCOMPARE(middle == QColor(110, 10, 16), r == 0 || r == 2);
        }
        click(d, MacroDialog::RowDelete);
        QCOMPARE(d.events(), (Events{m[3], m[1]}));
        click(d, MacroDialog::RowClear);
        QCOMPARE(d.eventList()->count(), 0);
        click(d, MacroDialog::InsertDelay); // nothing on an empty list
        QCOMPARE(d.eventList()->count(), 0);
    }

    void gunSetDialog()
    {
        VornGunsetDialog dialog(nullptr, 1.0);
        dialog.OnYesClick();
        QCOMPARE(m_boxes.texts, QStringList{QStringLiteral("Please input file name.")});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        const QList<QAction *> actions = dialog.bulletMenu()->actions();
        QCOMPARE(actions.size(), 5);
        actions.at(1)->trigger(); // "2"
        QVERIFY(dialog.delayBox(1)->isVisibleTo(&dialog));
        QVERIFY(!dialog.delayBox(2)->isVisibleTo(&dialog));
        QVERIFY(!dialog.xBox(4)->isVisibleTo(&dialog));
        dialog.yBox(0)->setValue(5);
        dialog.xBox(1)->setValue(-3);
        dialog.yBox(1)->setValue(-7);
        dialog.delayBox(1)->setValue(50);
        dialog.yBox(2)->setValue(9); // hidden row: no events
        dialog.nameEdit()->setText(QStringLiteral("AK"));
        dialog.OnYesClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.fileName(), QStringLiteral("AK"));
        QCOMPARE(dialog.events(), gunSetEvents({{100, 5, 0}, {50, -7, -3}}));

        UiScale::setLanguageIndex(1);
        MacroDialog d;
        QVERIFY(!d.control(MacroDialog::GunSet)->isHidden());
        d.addGunFile(dialog.fileName(), dialog.events());
        d.addGunFile(dialog.fileName(), dialog.events());
        QCOMPARE(macroLibrary(), (QStringList{QStringLiteral("AK"), QStringLiteral("AK_2")}));
        QCOMPARE(d.currentMacro(), QStringLiteral("AK_2"));
        QCOMPARE(d.delayType(), 1);
        QVERIFY(d.control(MacroDialog::RecordDelays)->isChecked());
        QCOMPARE(d.eventList()->count(), 9);
        d.addGunFile(QStringLiteral("../AK"), dialog.events());
        QVERIFY(m_boxes.texts.last().contains(QStringLiteral("ONE OF / \\ : * ?")));
        QCOMPARE(macroLibraryCount(), 2);
    }

    void macroSelect()
    {
        MacroFileData longMacro;
        longMacro.events = QVector<MacroEvent>(52, MacroEvent{0x84, 0, 4});
        QVERIFY(writeMacroFile(QStringLiteral("long"), longMacro));
        QVERIFY(writeMacroFile(QStringLiteral("short"), MacroFileData{}));
        QVERIFY(addToMacroLibrary(QStringLiteral("short")));
        QVERIFY(addToMacroLibrary(QStringLiteral("long")));

        VornMacroSelect select(QStringLiteral("MACRO SELECT"), QStringLiteral("short"), 3, 2);
        QCOMPARE(select.loopType(), 2);
        QCOMPARE(select.loopCount(), 3);
        QCOMPARE(select.size(), QSize(478, 309));
        QVERIFY(select.warning().isEmpty());
        const QList<QAction *> actions = select.nameMenu()->actions();
        QCOMPARE(actions.size(), 2);
        actions.at(1)->trigger();
        QCOMPARE(select.macroName(), QStringLiteral("long"));
        QCOMPARE(select.warning(), macroTailLostMessage());
        select.loopButton(1)->click();
        QCOMPARE(select.loopType(), 1);
        QVERIFY(!select.loopButton(2)->isChecked());
        select.loopButton(1)->click(); // one stays checked
        QCOMPARE(select.loopType(), 1);
        QVERIFY(select.loopButton(1)->isChecked());
        select.loopCountEdit()->setText(QString());
        QTest::keyClicks(select.loopCountEdit(), QStringLiteral("2567"));
        QCOMPARE(select.loopCountEdit()->text(), QStringLiteral("25"));

        // A new assignment starts on the library's first macro, never on none.
        VornMacroSelect fresh(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        QCOMPARE(fresh.macroName(), QStringLiteral("short"));
        QVERIFY(fresh.findChild<QAbstractButton *>(QStringLiteral("msgBoxYesBtn"))->isEnabled());
        QVERIFY(removeFromMacroLibrary(QStringLiteral("short")));
        QVERIFY(removeFromMacroLibrary(QStringLiteral("long")));
        VornMacroSelect none(QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        QVERIFY(none.macroName().isEmpty());
        QVERIFY(!none.findChild<QAbstractButton *>(QStringLiteral("msgBoxYesBtn"))->isEnabled());
    }
};

QTEST_MAIN(TestMacroDialog)
#include "tst_macrodialog.moc"
