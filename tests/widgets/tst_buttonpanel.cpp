#include "common/AnsweredBoxes.h"
#include "common/MacroFiles.h"
#include "common/UiHome.h"

#include "app/MousecfgWidget.h"
#include "device/DeviceContext.h"
#include "macro/MacroLibrary.h"
#include "panels/VornBtnWindow.h"
#include "panels/VornComboKeyWindow.h"
#include "panels/VornFireKeyWindow.h"
#include "panels/VornSingleKeyWindow.h"
#include "panels/VornSniperWindow.h"
#include "platform/KeyboardCapture.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/StoreContext.h"
#include "widgets/UiScale.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

#include <QCheckBox>
#include <QtTest>

using Key = QPair<int, int>; // scan code, flags as the keyboard hook gives them
using Usages = QList<int>;
Q_DECLARE_METATYPE(QList<Key>)

// The CUSTOMIZE panel offscreen: what each menu entry and editor writes
// into the current mode's record, and the rules that refuse a change.
class TestButtonPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UiHome> m_home;
    std::unique_ptr<VornBtnWindow> m_panel;
    AnsweredBoxes m_boxes;
    int m_chooserCalls = 0;

    static ProfileStore &store() { return StoreContext::store(); }
    static ButtonInfo &entry(int e) { return store().profiles[0].BUTTON_INFO[e]; }

    // The panel on screen, with entry `selected` chosen (-1: none).
    void makePanel(const QString &product = "NX-19", int selected = -1)
    {
        writeProductName(product);
        m_panel = std::make_unique<VornBtnWindow>();
        m_panel->loadRecord(store());
        // Editors capture only while on screen.
        m_panel->show();
        QApplication::setActiveWindow(m_panel.get());
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
        if (selected >= 0)
            select(selected);
    }

    void select(int e) { m_panel->selectButton(e % 20, e / 20); }

    // Triggers "Advance > SINGLE KEY" in the selected button's own menu.
    void choose(const QString &path)
    {
        QMenu *menu =
            m_panel->functionButton(m_panel->selectedIndex() + 20 * m_panel->selectedGroup())
                ->menu();
        QAction *found = nullptr;
        for (const QString &text : path.split(" > ")) {
            found = nullptr;
            for (QAction *a : menu ? menu->actions() : QList<QAction *>())
                found = a->text() == text ? a : found;
            QVERIFY2(found, qPrintable(path));
            menu = found->menu();
        }
        found->trigger();
    }

    // Keys as the keyboard capture hands them to the editor.
    static void typeKeys(QWidget *editor, const QList<Key> &keys)
    {
        auto *capture = editor->findChild<KeyboardCapture *>();
        for (const Key &k : keys) {
            QVERIFY(capture && capture->isActive());
            KeyRecord record{0, quint32(k.first), quint32(k.second)};
            emit capture->keyEvent(record);
        }
    }

    static void clickStop(QWidget *editor)
    {
        auto *stop = editor->findChild<VornPushButton *>(QStringLiteral("stop"));
        QVERIFY(stop && stop->isVisibleTo(editor));
        stop->click();
    }

    void useMacros(const QStringList &names, VornBtnWindow *panel = nullptr)
    {
        for (const QString &name : names)
            QVERIFY(addToMacroLibrary(name));
        (panel ? panel : m_panel.get())
            ->setMacroChooser(
                [this](QWidget *, const QString &title, const MacroChoice &current, bool gunFile) {
                    ++m_chooserCalls;
                    m_lastTitle = title;
                    m_lastCurrent = current;
                    m_lastGunFile = gunFile;
                    return m_answer;
                });
    }
    std::optional<MacroChoice> m_answer;
    QString m_lastTitle;
    MacroChoice m_lastCurrent;
    bool m_lastGunFile = false;

private slots:
    void init()
    {
        m_home = std::make_unique<UiHome>();
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        // Every button a right click, the first a left click.
        for (ProfileData &p : store().profiles) {
            for (ButtonInfo &b : p.BUTTON_INFO)
                b.Fun = 2;
            p.BUTTON_INFO[0].Fun = 1;
        }
        m_boxes.reset();
        m_chooserCalls = 0;
        m_answer.reset();
    }
    void cleanup()
    {
        m_panel.reset();
        m_home.reset();
    }

    // Every entry of a button's menu (the macro choosers aside) writes a
    // code of its own that the button then shows by the entry's name, also
    // when the record is loaded again, and changes no other button; the
    // codes by hand pin the table. What the key editors clear is
    // changingFunctionClearsTheParameters's.
    void everyMenuEntryWritesItsOwnCode_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QStringList>("pinned"); // "path=code"
        QTest::addRow("front") << 0 << QStringList{"Left=1", "Basic > Cut=17", "Middle=3"};
        QTest::addRow("side") << 1 << QStringList{"Advance > SNIPER=55", "Advance > FIRE KEY=12"};
        QTest::addRow("wheel") << 2 << QStringList{"Scroll Down=53"};
    }

    void everyMenuEntryWritesItsOwnCode()
    {
        QFETCH(int, group);
        QFETCH(QStringList, pinned);
        const int e = 1 + 20 * group;
        makePanel("NX-19", e);
        QStringList paths;
        const std::function<void(QMenu *, const QString &)> walk = [&](QMenu *menu,
                                                                       const QString &prefix) {
            for (QAction *a : menu->actions()) {
                if (a->menu())
                    walk(a->menu(), prefix + a->text() + " > ");
                else if (a->isVisible() && !a->isSeparator() &&
                         !a->text().endsWith(QLatin1String("Manager")))
                    paths << prefix + a->text();
            }
        };
        walk(m_panel->functionButton(e)->menu(), QString());
        QVERIFY(paths.size() > (group == 2 ? 2 : 30));
        QMap<int, QString> byCode;
        for (const QString &path : qAsConst(paths)) {
            ProfileData expected = store().profiles[0];
            choose(path);
            const QString shown = path.section(" > ", -1);
            QCOMPARE(m_panel->functionButton(e)->text(), shown);
            m_panel->loadRecord(store());
            select(e);
            QCOMPARE(m_panel->functionButton(e)->text(), shown);
            expected.BUTTON_INFO[e] = entry(e);
            QVERIFY(store().profiles[0] == expected);
            QVERIFY2(!byCode.contains(entry(e).Fun), qPrintable(byCode.value(entry(e).Fun)));
            byCode.insert(entry(e).Fun, path);
        }
        for (const QString &pin : pinned)
            QCOMPARE(byCode.value(pin.section('=', 1).toInt()), pin.section('=', 0, 0));
    }

    void lastClickRule_data()
    {
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("fun");
        QTest::addColumn<bool>("refused");
        QTest::addRow("the only left click cannot become a macro")
            << QList<int>{0} << 0 << "Macro Manager" << 1 << true;
        QTest::addRow("it can be given Left again") << QList<int>{0} << 0 << "Left" << 1 << false;
        QTest::addRow("a second left click on scroll up frees it")
            << QList<int>{0, 40} << 0 << "Right" << 2 << false;
        QTest::addRow("a side button among two left clicks")
            << QList<int>{0, 20} << 20 << "Back" << 5 << false;
        QTest::addRow("no left click anywhere") << QList<int>{} << 3 << "Middle" << 3 << false;
    }

    void lastClickRule()
    {
        QFETCH(QList<int>, lefts);
        QFETCH(int, selected);
        QFETCH(QString, path);
        QFETCH(int, fun);
        QFETCH(bool, refused);
        entry(0).Fun = 2; // the row places the left clicks
        for (int e : lefts)
            entry(e).Fun = 1;
        // Left clicks of the other modes do not count.
        store().profiles[1].BUTTON_INFO[5].Fun = 1;
        makePanel();
        useMacros({"m1"});
        select(selected);
        QSignalSpy pops(m_panel.get(), &VornBtnWindow::PopOneClickBox);
        choose(path);
        QCOMPARE(entry(selected).Fun, fun);
        QCOMPARE(pops.count(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(m_chooserCalls, 0);
    }

    void changingFunctionClearsTheParameters_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<int>>("kept"); // Res1, LoopNumber, KeyNumber
        const QList<int> old{9, 4, 7};
        QTest::addRow("single key to combo") << 6 << "Advance > COMBO KEY" << QList<int>{0, 0, 0};
        QTest::addRow("combo kept") << 7 << "Advance > COMBO KEY" << old;
        // A new fire key holds what its editor shows: the left button, 3, 10.
        QTest::addRow("right to fire key") << 2 << "Advance > FIRE KEY" << QList<int>{0x81, 3, 10};
        QTest::addRow("fire key kept") << 12 << "Advance > FIRE KEY" << old;
        QTest::addRow("single key kept") << 6 << "Advance > SINGLE KEY" << old;
        QTest::addRow("a plain function keeps them") << 6 << "Middle" << old;
    }

    void changingFunctionClearsTheParameters()
    {
        QFETCH(int, before);
        QFETCH(QString, path);
        QFETCH(QList<int>, kept);
        ButtonInfo &b = entry(2);
        b.Fun = before;
        b.Res1 = 9;
        b.LoopNumber = 4;
        b.KeyNumber = 7;
        b.KeyInfo[0] = KeyInfoEntry{0x04, 5, 0x80};
        makePanel("NX-19", 2);
        choose(path);
        QCOMPARE((QList<int>{b.Res1, b.LoopNumber, b.KeyNumber}), kept);
        QVERIFY(b.KeyInfo[0] == (KeyInfoEntry{0x04, 5, 0x80}));
    }

    void singleKey_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("scan");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("keyIndex");
        QTest::addColumn<QString>("name");
        QTest::addRow("right Ctrl") << 0 << 0x1D << 1 << 0xEE << "RCtr";
        QTest::addRow("keypad 1") << 2 << 0x4F << 0 << 0xE6 << "Num 1";
        QTest::addRow("left Alt with its Alt-down flag") << 2 << 0x38 << 0x20 << 0x38 << "LAlt";
    }

    void singleKey()
    {
        QFETCH(int, group);
        QFETCH(int, scan);
        QFETCH(int, flags);
        QFETCH(int, keyIndex);
        QFETCH(QString, name);
        const int e = 1 + 20 * group;
        makePanel("NX-19", e);
        choose(QStringLiteral("Advance > SINGLE KEY").section(" > ", group == 2 ? 1 : 0));
        VornSingleKeyWindow *editor = m_panel->singleKeyEditor();
        // A, then the key of the row; released, Alt is no longer down.
        typeKeys(editor, {{0x1E, 0}, {scan, flags}, {scan, (flags & ~0x20) | 0x80}});
        QCOMPARE(editor->displayedText(), name);
        QCOMPARE(int(entry(e).Res1), 0); // nothing stored before STOP
        clickStop(editor);
        QCOMPARE(int(entry(e).Res1), keyIndex);
        QCOMPARE(entry(e).Fun, 6);
        QVERIFY(!editor->captureActive());
    }

    void comboInsertionOrder_data()
    {
        QTest::addColumn<QList<Key>>("presses");
        QTest::addColumn<Usages>("usages");
        QTest::addColumn<QString>("shown");
        QTest::addRow("A then Ctrl")
            << QList<Key>{{0x1E, 0}, {0x1D, 0}} << Usages{0xE0, 0x04} << "LCtr + A";
        // Right modifiers are shown as such but stored as the left ones.
        QTest::addRow("right Windows, Shift and Ctrl, B")
            << QList<Key>{{0x5C, 1}, {0x36, 0}, {0x1D, 1}, {0x30, 0}}
            << Usages{0xE1, 0xE0, 0xE3, 0x05} << "RShift + RCtr + RWindows + B";
        QTest::addRow("all five")
            << QList<Key>{{0x38, 0}, {0x5B, 1}, {0x1D, 0}, {0x2A, 0}, {0x2C, 0}}
            << Usages{0xE1, 0xE0, 0xE3, 0xE2, 0x1D} << "LShift + LCtr + LWindows + LAlt + Z";
        // While Alt is held every event carries the Alt-down flag 0x20.
        QTest::addRow("right Alt, Shift, S") << QList<Key>{{0x38, 0x21}, {0x2A, 0x20}, {0x1F, 0x20}}
                                             << Usages{0xE1, 0xE2, 0x16} << "LShift + RAlt + S";
    }

    // Presses in slot order, then the releases in reverse, each with the
    // value 5; everything after them is cleared.
    void comboInsertionOrder()
    {
        QFETCH(QList<Key>, presses);
        QFETCH(Usages, usages);
        QFETCH(QString, shown);
        // Read back from the record after STOP: the left modifiers.
        const QString stored =
            QString(shown).replace(QRegularExpression("\\bR(?=Shift|Ctr|Windows|Alt)"), "L");
        for (KeyInfoEntry &k : entry(4).KeyInfo)
            k = KeyInfoEntry{0x33, 1, 1};
        makePanel("NX-19", 4);
        choose("Advance > COMBO KEY");
        VornComboKeyWindow *editor = m_panel->comboKeyEditor();
        typeKeys(editor, presses);
        QCOMPARE(editor->displayedText(), shown);
        for (int i = presses.size() - 1; i >= 0; --i)
            typeKeys(editor, {{presses[i].first, presses[i].second | 0x80}});
        clickStop(editor);

        KeyInfoEntry expected[kKeyInfoCount];
        const int n = usages.size();
        for (int i = 0; i < n; ++i) {
            expected[i] = KeyInfoEntry{quint8(usages[i]), 5, 0x80};
            expected[2 * n - 1 - i] = KeyInfoEntry{quint8(usages[i]), 5, 0};
        }
        for (int i = 0; i < kKeyInfoCount; ++i)
            QVERIFY2(entry(4).KeyInfo[i] == expected[i], qPrintable(QString::number(i)));
        QCOMPARE(editor->displayedText(), stored);
    }

    // The button keeps its combination, and the display shows it.
    void comboCaptureNeverEmptiesTheButton_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<bool>("capturing");
        QTest::addRow("STOP before any key") << false << QList<Key>{} << true;
        QTest::addRow("after EDIT, a release only")
            << true << QList<Key>{{0x1D, 0x80}, {0x38, 0xA0}} << true;
        QTest::addRow("F13, which the mouse cannot send")
            << true << QList<Key>{{0x64, 0}, {0x64, 0x80}} << false;
        QTest::addRow("another button's capture before")
            << false << QList<Key>{{0x1D, 0}, {0x30, 0}, {0x30, 0x80}} << true;
    }

    void comboCaptureNeverEmptiesTheButton()
    {
        QFETCH(bool, edit);
        QFETCH(QList<Key>, keys);
        QFETCH(bool, capturing);
        for (int e : {4, 5}) {
            entry(e).Fun = 7;
            entry(e).KeyInfo[0] = KeyInfoEntry{0x04, 5, 0x80};
            entry(e).KeyInfo[1] = KeyInfoEntry{0x04, 5, 0};
        }
        makePanel();
        VornComboKeyWindow *editor = m_panel->comboKeyEditor();
        if (!edit) { // the keys go to button 5
            select(5);
            typeKeys(editor, keys);
            if (!keys.isEmpty())
                clickStop(editor);
        }
        select(4);
        QCOMPARE(editor->displayedText(), QStringLiteral("A"));
        if (edit) {
            clickStop(editor);
            editor->findChild<VornPushButton *>("edit")->click();
            typeKeys(editor, keys);
        }
        editor->findChild<VornPushButton *>("stop")->click();
        QCOMPARE(editor->isCapturing(), capturing);
        QVERIFY(entry(4).KeyInfo[0] == (KeyInfoEntry{0x04, 5, 0x80}));
        QVERIFY(entry(4).KeyInfo[1] == (KeyInfoEntry{0x04, 5, 0}));
        QCOMPARE(editor->displayedText(), QStringLiteral("A"));
    }

    // A key editor captures only while it shows STOP on screen: a text
    // field taking the focus ends the capture first and keeps what was
    // captured; hiding the panel pauses it.
    void captureLeavesTextFieldsAlone_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("field"); // "" hides the panel instead
        QTest::addColumn<int>("stored");    // B as the button holds it
        QTest::addRow("single key, another field") << "Advance > SINGLE KEY"
                                                   << "other" << 0x30;
        QTest::addRow("combo key, another field") << "Advance > COMBO KEY"
                                                  << "other" << 0x05;
        QTest::addRow("fire key, its Times field") << "Advance > FIRE KEY"
                                                   << "fireTimes" << 0x05;
        QTest::addRow("combo key, panel hidden") << "Advance > COMBO KEY" << QString() << 0;
    }

    void captureLeavesTextFieldsAlone()
    {
        QFETCH(QString, function);
        QFETCH(QString, field);
        QFETCH(int, stored);
        makePanel();
        auto *other = new VornLineEdit(m_panel.get());
        other->setObjectName("other");
        other->show();
        select(3);
        choose(function);
        KeyCaptureEditor *editor = m_panel->fireKeyEditor();
        if (entry(3).Fun == 12)
            editor->findChild<QCheckBox *>("fireType3")->click();
        else if (entry(3).Fun == 7)
            editor = m_panel->comboKeyEditor();
        else
            editor = m_panel->singleKeyEditor();
        typeKeys(editor, {{0x30, 0}, {0x30, 0x80}});
        if (field.isEmpty()) {
            m_panel->hide();
            QVERIFY(!editor->captureActive());
            m_panel->show();
            QVERIFY(editor->captureActive());
            return;
        }
        auto *target = m_panel->findChild<QLineEdit *>(field);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), target);
        QVERIFY(!editor->captureActive());
        QVERIFY(!editor->isCapturing());
        QCOMPARE(editor->displayedText(), QStringLiteral("B"));
        // What was captured is what the button holds.
        QCOMPARE(entry(3).Fun == 7 ? int(entry(3).KeyInfo[0].map) : int(entry(3).Res1), stored);
    }

    void fireKey_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<int>("res1");
        QTest::addRow("left button") << 0 << QList<Key>{} << 0x81;
        QTest::addRow("right button") << 1 << QList<Key>{} << 0x82;
        QTest::addRow("middle button") << 2 << QList<Key>{} << 0x84;
        QTest::addRow("key B") << 3 << QList<Key>{{0x30, 0}, {0x30, 0x80}} << 0x05;
        QTest::addRow("Right arrow") << 3 << QList<Key>{{0x4D, 1}, {0x4D, 0x81}} << 0x4F;
    }

    void fireKey()
    {
        QFETCH(int, type);
        QFETCH(QList<Key>, keys);
        QFETCH(int, res1);
        makePanel("NX-19", 21);
        choose("Advance > FIRE KEY");
        VornFireKeyWindow *editor = m_panel->fireKeyEditor();
        // A new fire key shows the left button, 3 times, 10 ms apart (which
        // it stores is changingFunctionClearsTheParameters's).
        QVERIFY(editor->typeButton(0)->isChecked());
        QCOMPARE(editor->timesField()->text(), QStringLiteral("3"));
        QCOMPARE(editor->delayField()->text(), QStringLiteral("10"));

        editor->timesField()->clear();
        QTest::keyClicks(editor->timesField(), "5");
        editor->delayField()->clear();
        QTest::keyClicks(editor->delayField(), "120");
        editor->typeButton(type)->click();
        typeKeys(editor, keys);
        if (!keys.isEmpty())
            clickStop(editor);
        QCOMPARE(int(entry(21).Res1), res1);
        QCOMPARE(entry(21).LoopNumber, 5);
        QCOMPARE(entry(21).KeyNumber, 120);
        QCOMPARE(entry(21).Fun, 12);
        for (int t = 0; t < 4; ++t)
            QCOMPARE(editor->typeButton(t)->isChecked(), t == type);
    }

    // Times and Delay take 1 to 255: other numbers are refused as typed,
    // never stored wrapped to a byte; an emptied field keeps its value.
    void fireKeyFieldRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::addRow("0") << "0" << QString() << 4;
        QTest::addRow("05") << "05"
                            << "5" << 5;
        QTest::addRow("256") << "256"
                             << "25" << 25;
        QTest::addRow("1") << "1"
                           << "1" << 1;
        QTest::addRow("255") << "255"
                             << "255" << 255;
    }

    void fireKeyFieldRange()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        entry(2).Fun = 12;
        entry(2).LoopNumber = 4;
        entry(2).KeyNumber = 4;
        makePanel("NX-19", 2);
        VornFireKeyWindow *editor = m_panel->fireKeyEditor();
        for (VornLineEdit *field : {editor->timesField(), editor->delayField()}) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, typed);
            QCOMPARE(field->text(), shown);
        }
        QCOMPARE(entry(2).LoopNumber, stored);
        QCOMPARE(entry(2).KeyNumber, stored);
        editor->delayField()->clearFocus(); // a field left empty shows its value
        QCOMPARE(editor->timesField()->text(), QString::number(stored));
        QCOMPARE(editor->delayField()->text(), QString::number(stored));
    }

    void sniperStep_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("dpi");
        QTest::addRow("3389: 25 is out of range") << "NX-01" << 25 << 6 << "300";
        QTest::addRow("3212: 33 becomes 16") << "NX-29" << 33 << 16 << "600";
        QTest::addRow("3399: 0 stays") << "NX-19" << 0 << 0 << "50";
        QTest::addRow("3104: 14 becomes 14") << "NX-12" << 14 << 14 << "500";
    }

    void sniperStep()
    {
        QFETCH(QString, product);
        QFETCH(int, stored);
        QFETCH(int, step);
        QFETCH(QString, dpi);
        entry(1).Fun = 55;
        entry(1).Res1 = quint8(stored);
        makePanel(product, 1);
        QCOMPARE(int(m_panel->sniperEditor()->value()), step);
        QCOMPARE(int(entry(1).Res1), step);
        QCOMPARE(m_panel->sniperEditor()->dpiText(), dpi);
    }

    // The dialog sees the button's macro. The distinct macros of all five
    // modes count against the model's limit; an accepted macro brings its
    // events from its file; a cancelled dialog changes nothing.
    void macroLimit_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("assigned");
        QTest::addColumn<QString>("chosen"); // "": cancelled
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("unnamed"); // one more button holds a macro without a name
        QTest::addColumn<bool>("held");    // the button holds m1, 4 times, loop mode 2
        QTest::addRow("NX-32: an eighth macro")
            << "NX-32" << 7 << "m8"
            << "You can only assign 7 different macros." << false << false;
        QTest::addRow("NX-32: one of the seven")
            << "NX-32" << 7 << "m3" << QString() << false << false;
        QTest::addRow("NX-32: six and an unnamed one, a seventh")
            << "NX-32" << 6 << "m7" << QString() << true << false;
        QTest::addRow("NX-19: a 21st macro")
            << "NX-19" << 20 << "m21"
            << "You can only assign 20 different macros." << true << false;
        QTest::addRow("NX-19: the button's own, cancelled")
            << "NX-19" << 1 << QString() << QString() << false << true;
    }

    void macroLimit()
    {
        QFETCH(QString, product);
        QFETCH(int, assigned);
        QFETCH(QString, chosen);
        QFETCH(QString, refusal);
        QFETCH(bool, unnamed);
        QFETCH(bool, held);
        QStringList names;
        for (int i = 1; i <= assigned + 1; ++i)
            names << QStringLiteral("m%1").arg(i);
        for (int i = 0; i < assigned; ++i) {
            ButtonInfo &b = store().profiles[i % 5].BUTTON_INFO[5 + i / 5];
            b.Fun = 200;
            b.macroname = names[i];
        }
        if (unnamed)
            store().profiles[4].BUTTON_INFO[20].Fun = 200;
        // Events of the button's earlier macro, longer than the new one.
        for (KeyInfoEntry &k : entry(3).KeyInfo)
            k = KeyInfoEntry{0x84, 0x05, 0x01};
        if (held) {
            entry(3).Fun = 200;
            entry(3).macroname = "m1";
            entry(3).LoopNumber = 4;
            entry(3).Res1 = 2;
        }
        writeRawMacro(chosen, {{0x84, 0x01, 0x04}, {0x06, 0x00, 0x0A}, {0x04, 0x01, 0x04}});
        makePanel(product);
        useMacros(names);
        if (!chosen.isEmpty())
            m_answer = MacroChoice{chosen, 7, 1};
        const ProfileStore before = store();
        select(3);
        choose("Macro Manager");

        QCOMPARE(m_chooserCalls, 1);
        QCOMPARE(m_lastTitle, QStringLiteral("MACRO SELECT"));
        QVERIFY(!m_lastGunFile);
        // A button without a macro offers an empty name, once, mode 0.
        QCOMPARE(m_lastCurrent.name, QString(held ? "m1" : ""));
        QCOMPARE(m_lastCurrent.loopCount, held ? 4 : 1);
        QCOMPARE(m_lastCurrent.loopMode, held ? 2 : 0);
        if (!refusal.isEmpty() || chosen.isEmpty()) {
            QCOMPARE(m_boxes.texts, refusal.isEmpty() ? QStringList() : QStringList{refusal});
            QVERIFY(store() == before);
            QCOMPARE(m_panel->functionButton(3)->text(), QString(held ? "m1" : "Right"));
            return;
        }
        QVERIFY(m_boxes.texts.isEmpty());
        const ButtonInfo &b = entry(3);
        QCOMPARE(b.Fun, 200);
        QCOMPARE(b.macroname, chosen);
        QCOMPARE(b.LoopNumber, 7);
        QCOMPARE(int(b.Res1), 1);
        QCOMPARE(b.KeyNumber, 3);
        const KeyInfoEntry events[] = {{0x84, 0x04, 0x01}, {0x06, 0x0A, 0x00}, {0x04, 0x04, 0x01}};
        for (int i = 0; i < kKeyInfoCount; ++i)
            QVERIFY2(b.KeyInfo[i] == (i < 3 ? events[i] : KeyInfoEntry{}),
                     qPrintable(QString::number(i)));
        QCOMPARE(m_panel->functionButton(3)->text(), chosen);
    }

    // The entry is offered in Chinese only, right after the macros; the
    // left button refuses it.
    void gunFile_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("selected");
        QTest::addRow("English: not offered") << 0 << 20;
        QTest::addRow("Simplified Chinese, left button, record index 0") << 1 << 0;
        QTest::addRow("Traditional Chinese, first side button, record index 20") << 2 << 20;
    }

    void gunFile()
    {
        QFETCH(int, language);
        QFETCH(int, selected);
        entry(40).Fun = 1; // the rule of the last left click does not interfere
        makePanel();
        UiScale::setLanguageIndex(language);
        m_panel->retranslate();
        useMacros({"recoil"});
        m_answer = MacroChoice{"recoil", 1, 0};
        const ProfileStore before = store();
        select(selected);
        QStringList texts;
        for (QAction *a : m_panel->functionMenu()->actions())
            texts << a->text();
        QCOMPARE(texts.indexOf("GunFile Manager"),
                 language ? texts.indexOf("Macro Manager") + 1 : -1);
        if (!language)
            return;
        choose("GunFile Manager");
        if (selected == 0) {
            QCOMPARE(m_boxes.texts,
                     QStringList{QStringLiteral("Left Button Can not be Gun Function.")});
            QCOMPARE(m_chooserCalls, 0);
            QVERIFY(store() == before);
            return;
        }
        QCOMPARE(m_lastTitle, QStringLiteral("GUNFILE SELECT"));
        QVERIFY(m_lastGunFile);
        QCOMPARE(entry(selected).Fun, 510);
        QCOMPARE(entry(selected).macroname, QStringLiteral("recoil"));
    }

    void markersFollowTheModel_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<QList<int>>("columns"); // -1: no marker
        QTest::addRow("NX-19: six buttons and the wheel")
            << "NX-19" << QList<int>{0, 5, 6, 20, 40, 41} << QList<int>{0, 5, -1, -1, 6, 7};
        QTest::addRow("NX-14: seven buttons, twelve side keys and the wheel")
            << "NX-14" << QList<int>{0, 6, 7, 20, 31, 32, 40, 41}
            << QList<int>{0, 6, -1, 0, 11, -1, 7, 8};
        QTest::addRow("NX-05: eight buttons, its fixed entry has no marker")
            << "NX-05" << QList<int>{7, 8, 40} << QList<int>{7, -1, 8};
    }

    void markersFollowTheModel()
    {
        QFETCH(QString, product);
        QFETCH(QList<int>, entries);
        QFETCH(QList<int>, columns);
        makePanel(product);
        for (int i = 0; i < entries.size(); ++i) {
            const QRect at = m_panel->marker(entries[i])->geometry();
            if (columns[i] < 0)
                QVERIFY2(at.isEmpty(), qPrintable(QString::number(entries[i])));
            else
                QCOMPARE(at, QRect(27 + 32 * columns[i], 20, 25, 25));
        }
    }

    // NX-19 has no side buttons: its side view offers no drop-down and no
    // editor, whatever the record holds there.
    void noSideDropDownWithoutSideButtons()
    {
        entry(20).Fun = 6;
        makePanel("NX-19");
        m_panel->setView(false, 0, 1);
        for (int e = 0; e < 42; ++e)
            QVERIFY2(!m_panel->functionButton(e)->isVisibleTo(m_panel.get()),
                     qPrintable(QString::number(e)));
        QVERIFY(!m_panel->singleKeyEditor()->isVisibleTo(m_panel.get()));
        m_panel->setView(true, 1, 0);
        QVERIFY(m_panel->functionButton(1)->isVisibleTo(m_panel.get()));
    }

    // The panel inside the window: both show the same button, and the
    // window answers the panel's refusals and its request for macros.
    void theWindowAndThePanelShowTheSameButton()
    {
        qputenv("KORVALEN_GSETTINGS", "/bin/false");
        DeviceContext::setProtocolDelayHook([](int) {});
        installVirtualMice({"NX-14"});
        MousecfgWidget window;
        window.switchTab(MousecfgWidget::TabCustomize);
        auto *panel = window.panelSet().find<VornBtnWindow>();
        QVERIFY(panel && panel->isVisibleTo(&window));

        QTest::mouseClick(window.marker(0, 3), Qt::LeftButton);
        QCOMPARE(panel->selectedGroup(), 0);
        QCOMPARE(panel->selectedIndex(), 3);
        QVERIFY(panel->functionButton(3)->isVisibleTo(panel));

        QTest::mouseClick(window.sideButton(), Qt::LeftButton);
        QCOMPARE(panel->selectedGroup(), 1);
        QVERIFY(panel->marker(20)->isVisibleTo(panel));
        QVERIFY(!panel->marker(0)->isVisibleTo(panel));
        panel->marker(22)->click();
        QCOMPARE(window.selectedMarker(1), 2);
        QVERIFY(window.marker(1, 2)->isSelected());
        // Only this marker is highlighted, and only its button offers a menu.
        for (int e = 0; e < 42; ++e)
            QCOMPARE(panel->marker(e)->isSelected(), e == 22);
        QVERIFY(panel->functionButton(22)->isVisibleTo(panel));
        panel->marker(41)->click();
        QCOMPARE(window.selectedMarker(2), 1);

        QTest::mouseClick(window.frontButton(), Qt::LeftButton);
        QTest::mouseClick(window.marker(0, 0), Qt::LeftButton);
        ProfileData &shown = store().profiles[store().curProfile];
        for (int e = 1; e < 42; ++e) {
            if (shown.BUTTON_INFO[e].Fun == 1)
                shown.BUTTON_INFO[e].Fun = 2;
        }
        panel->action(2)->trigger();
        QCOMPARE(m_boxes.texts,
                 QStringList{QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")});
        QCOMPARE(shown.BUTTON_INFO[0].Fun, 1);

        QTest::mouseClick(window.marker(0, 1), Qt::LeftButton);
        useMacros({}, panel);
        // No macro yet: the MACRO tab opens instead of the dialog.
        panel->action(200)->trigger();
        QCOMPARE(window.currentTab(), int(MousecfgWidget::TabMacro));
        QCOMPARE(m_chooserCalls, 0);
    }
};

QTEST_MAIN(TestButtonPanel)
#include "tst_buttonpanel.moc"
