#include "common/AnsweredBoxes.h"
#include "common/CtlProcess.h"
#include "common/ReportLog.h"
#include "common/UiHome.h"
#include "common/WindowEvents.h"

#include "app/MousecfgWidget.h"
#include "app/ProfileFileCommands.h"
#include "cli/Settings.h"
#include "panels/VornDPIWindow.h"
#include "store/ButtonFunctions.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ModelTable.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"
#include "widgets/VornPushButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace WindowEvents;

namespace {

// How the person commits the change.
enum Commit { PressOk, PressApply, ModeAndBack, MouseModeAndBack, FileAndBack, MouseAndBack };
const char *const kCommitNames[] = {"OK",
                                    "Apply",
                                    "mode switch and back, Apply",
                                    "the mouse's mode switch and back, Apply",
                                    "file switch and back, Apply",
                                    "other mouse and back, Apply"};

// NX-19, then one model of each other lighting class and DPI panel: class
// 0 full, 1 full, 2 with four stages and three modes, 4 full, and the
// compact panel with two lift-off distances.
const char *const kModels[] = {"NX-19", "NX-12", "NX-01", "NX-04", "NX-23", "NX-18"};

// The function-menu entry a button setting is edited through: front
// buttons 0-19, side buttons 20-39, the wheel 40 and 41. Button 1 keeps the
// last left click, which the panel refuses to take away.
int buttonEntry(const QString &setting)
{
    if (setting == QLatin1String("scroll-up"))
        return 2 * kButtonGroupSize;
    if (setting == QLatin1String("scroll-down"))
        return 2 * kButtonGroupSize + 1;
    if (setting.startsWith(QLatin1String("side")))
        return kButtonGroupSize + setting.mid(4).toInt() - 1;
    if (setting.startsWith(QLatin1String("button")) && setting != QLatin1String("button1"))
        return setting.mid(6).toInt() - 1;
    return -1;
}

using Settings = QMap<QString, QString>;

QString otherMouse(const QString &model)
{
    return QLatin1String(model == QLatin1String("NX-19") ? "NX-18" : "NX-19");
}

// What get shows for every mode, from the files alone.
QVector<Settings> savedSettings(const QString &model)
{
    ProfileStore store;
    loadStore(store);
    QVector<Settings> modes;
    for (int m = 0; m < kProfileCount; ++m) {
        Settings settings;
        for (const SettingValue &v : readSettings({store, model, m}))
            settings.insert(v.name, v.value);
        modes << settings;
    }
    return modes;
}

// The data of the feature reports a trace or a report log holds, in order.
QStringList reportsOf(const QStringList &lines)
{
    QStringList reports;
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() >= 2 && parts.at(0) == QLatin1String("set"))
            reports << parts.at(1);
        else if (parts.size() >= 4 && parts.at(1) == QLatin1String("set_feature"))
            reports << parts.at(3);
    }
    return reports;
}

} // namespace

// Every setting korvalen-ctl lists, changed through the window's own
// control with real events on the whole window and committed as a person
// does: the files then hold the new value and nothing else new, and what
// reached the mouse is what the tool's dry run of those files sends.
class TestEverySetting : public QObject
{
    Q_OBJECT

private:
    // One window per model, kept over that model's rows: each row checks
    // only what its own change did.
    QString m_model;
    std::unique_ptr<UiHome> m_home;
    std::unique_ptr<MousecfgWidget> m_window;
    QStringList m_log;
    AnsweredBoxes m_boxes;

    template<class T>
    T *child(const QString &name) const
    {
        T *w = m_window->findChild<T *>(name);
        [&] { QVERIFY2(w, qPrintable(name)); }();
        return w;
    }

    void click(const QString &button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    void closeWindow()
    {
        m_window.reset();
        m_home.reset();
        m_model.clear();
    }

    void openWindow(const QString &model)
    {
        if (m_model == model && m_window)
            return;
        closeWindow();
        m_home = std::make_unique<UiHome>();
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        DeviceContext::setProtocolDelayHook([](int) {});
        // A second mouse, to switch to and back from.
        writeProductName(model);
        auto backend = std::make_unique<VirtualMouseBackend>(QStringList{model, otherMouse(model)});
        VirtualMouseBackend *mice = backend.get();
        DeviceContext::installHid(std::make_unique<ReportLog>(std::move(backend), &m_log), mice);
        m_window = std::make_unique<MousecfgWidget>();
        QCOMPARE(readProductName(), model);
        // A profile file no mode uses, to switch to and back from.
        QVERIFY(QFile::copy(defaultProfilePath(), profileFilePath("Spare")));
        QStringList list;
        readSavedNames(list);
        QVERIFY(writeSavedNames(list << "Spare"));
        m_window->profileFiles()->reloadList();
        m_window->profileFiles()->rebuildMenu();
        QCOMPARE(StoreContext::store().curProfile, quint8(0));
        m_model = model;
    }

    // Changes `setting` through its control, from what the control shows
    // now, and returns what get is to show for it then; empty when the
    // window offers no control for it now.
    QString change(const QString &setting)
    {
        static const QRegularExpression dpiRow("^dpi(\\d)(-enabled|-link)?$");
        const QRegularExpressionMatch dpi = dpiRow.match(setting);
        const bool lighting =
            QStringList{"effect", "colour", "brightness", "effect-speed"}.contains(setting);
        click(buttonEntry(setting) >= 0 ? "tab1" : lighting ? "tab0" : "tab2");
        if (setting == QLatin1String("report-rate") || setting == QLatin1String("lift-off")) {
            const bool rate = setting == QLatin1String("report-rate");
            auto *button = child<QPushButton>(rate ? "reportRateButton" : "liftOffButton");
            const QString unit = rate ? " HZ" : " mm";
            const QString low = rate ? "125" : "1";
            const QString v = button->text() == low + unit ? (rate ? "250" : "2") : low;
            return pickFromMenu(button, {v + unit}) ? v + (rate ? "" : "mm") : "no entry";
        }
        if (setting == QLatin1String("pointer-speed") || setting == QLatin1String("brightness") ||
            setting == QLatin1String("effect-speed")) {
            auto *slider =
                child<QSlider>(setting == QLatin1String("brightness") ? "brightnessSlider"
                               : lighting                             ? "speedSlider"
                                                                      : "pointerSpeedSlider");
            if (!slider->isVisible())
                return QString();
            const int was = slider->value();
            stepSlider(slider, was < slider->maximum() ? 1 : -1);
            return QString::number(was < slider->maximum() ? was + 1 : was - 1);
        }
        if (setting == QLatin1String("scroll-speed")) {
            auto *field = child<QSpinBox>(QStringLiteral("scrollSpeedField"));
            const int was = field->value();
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClick(field, was < field->maximum() ? Qt::Key_Up : Qt::Key_Down);
            return QString::number(was < field->maximum() ? was + 1 : was - 1);
        }
        if (setting == QLatin1String("dpi-stage")) {
            int stages = 0;
            int checked = 0;
            for (; stages < kDpiStageCount; ++stages) {
                auto *radio = child<QRadioButton>(QStringLiteral("dpiStage%1").arg(stages));
                if (!radio->isEnabled())
                    break;
                if (radio->isChecked())
                    checked = stages;
            }
            const int stage = (checked + 1) % stages;
            clickIndicator(child<QRadioButton>(QStringLiteral("dpiStage%1").arg(stage)));
            return QString::number(stage + 1);
        }
        if (dpi.hasMatch()) {
            const int stage = dpi.captured(1).toInt() - 1;
            const QString box = dpi.captured(2);
            if (!box.isEmpty()) {
                const char *kind = box == QLatin1String("-link") ? "Link" : "Enable";
                auto *check = child<QCheckBox>(QStringLiteral("dpi%1%2").arg(kind).arg(stage));
                if (!check->isVisible())
                    return QString();
                const bool was = check->isChecked();
                clickIndicator(check);
                return was ? "off" : "on";
            }
            auto *x = child<QWidget>(QStringLiteral("dpiSlider%1").arg(stage))
                          ->findChild<QSlider *>("dpiX");
            const auto *panel = child<VornDPIWindow>(QStringLiteral("dpiPanel"));
            // Some scales show neighbouring steps as one value: on until
            // the shown value moves.
            const QString was = panel->xLabel(stage)->text();
            const int direction = x->value() < x->maximum() ? 1 : -1;
            for (int i = 0; i < 20 && panel->xLabel(stage)->text() == was; ++i)
                stepSlider(x, direction);
            // The panel shows the new resolution; the files must hold it.
            const QString shownX = panel->xLabel(stage)->text().mid(2);
            const QString shownY = panel->yLabel(stage)->text().mid(2);
            return shownX == shownY ? shownX : shownX + QLatin1Char('x') + shownY;
        }
        if (setting == QLatin1String("effect")) {
            auto *button = child<QPushButton>(QStringLiteral("effectButton"));
            const QString was = button->text();
            // Another effect, one with a colour, brightness and speed to
            // change next if the model has one.
            // By text: picking an entry may rebuild the menu.
            QStringList offered = visibleTexts(button->menu());
            offered.removeAll(was);
            QString picked;
            for (const QString &text : offered) {
                if (!pickFromMenu(button, {text}))
                    return "no entry";
                picked = text;
                if (child<QWidget>("colorHex")->isVisible() &&
                    child<QWidget>("brightnessSlider")->isVisible() &&
                    child<QWidget>("speedSlider")->isVisible())
                    break;
            }
            return picked.toLower().replace(QLatin1Char(' '), '-');
        }
        if (setting == QLatin1String("colour")) {
            auto *hex = child<QLineEdit>(QStringLiteral("colorHex"));
            if (!hex->isVisible())
                return QString();
            const QString was = hex->text();
            for (int i = 0; i < 7 && hex->text() == was; ++i)
                QTest::mouseClick(child<QWidget>(QStringLiteral("swatch%1").arg(i)),
                                  Qt::LeftButton);
            return QLatin1Char('#') + hex->text();
        }
        if (const int entry = buttonEntry(setting); entry >= 0) {
            auto *function = child<QPushButton>(QStringLiteral("function%1").arg(entry));
            // The button is chosen by its marker on the picture; side
            // buttons by the panel's own markers on the side view.
            if (entry >= 2 * kButtonGroupSize) {
                QTest::mouseClick(m_window->marker(2, entry - 2 * kButtonGroupSize),
                                  Qt::LeftButton);
            } else if (entry >= kButtonGroupSize) {
                click("sideButton");
                click(QStringLiteral("panelMarker%1").arg(entry));
            } else {
                click("frontButton");
                QTest::mouseClick(m_window->marker(0, entry), Qt::LeftButton);
            }
            const QString was = function->text();
            // Entries of the menu itself and of a submenu, in turn; the
            // wheel's own menu has no submenus.
            QStringList path;
            if (entry >= 2 * kButtonGroupSize) {
                for (QAction *a : function->menu()->actions()) {
                    if (a->isVisible() && !a->menu() && !a->isSeparator() && a->text() != was) {
                        path = QStringList{a->text()};
                        break;
                    }
                }
            } else if (entry % 2) {
                path = QStringList{was == QLatin1String("Back") ? "Forward" : "Back"};
            } else {
                path = QStringList{"Basic", was == QLatin1String("Copy") ? "Paste" : "Copy"};
            }
            return !path.isEmpty() && pickFromMenu(function, path) ? path.last() : "no entry";
        }
        return "no control known for " + setting;
    }

    void commit(Commit how)
    {
        const ProfileStore &store = StoreContext::store();
        // Away through `button`'s menu and back; `now` tells where it is.
        const auto awayAndBack = [&](const char *button, const QString &away, QString home,
                                     const std::function<QString()> &now) {
            for (const QString &entry : {away, home}) {
                QVERIFY(pickFromMenu(child<QPushButton>(button), {entry}));
                QCOMPARE(now(), entry);
            }
        };
        if (how == ModeAndBack)
            awayAndBack("modeButton", "Mode 2", "Mode 1",
                        [&] { return QStringLiteral("Mode %1").arg(store.curProfile + 1); });
        if (how == MouseModeAndBack) {
            // As the reader reports the mouse's own profile button.
            m_window->slotRefreshProfile(1);
            QCOMPARE(store.curProfile, quint8(1));
            m_window->slotRefreshProfile(0);
            QCOMPARE(store.curProfile, quint8(0));
        }
        if (how == FileAndBack)
            awayAndBack("profileButton", "Spare", store.profileNames[0],
                        [&] { return store.profileNames[0]; });
        if (how == MouseAndBack)
            awayAndBack("mouseSelector", otherMouse(readProductName()), readProductName(),
                        readProductName);
        m_log.clear(); // the upload only
        click(how == PressOk ? "okButton" : "applyButton");
        // OK puts the window away (minimized where there is no tray).
        QCOMPARE(m_window->isHidden() || m_window->isMinimized(), how == PressOk);
    }

private slots:
    void init()
    {
        qputenv("KORVALEN_GSETTINGS", "/bin/false");
        m_boxes.reset();
    }

    void cleanup()
    {
        if (QTest::currentTestFailed())
            closeWindow(); // the next row starts afresh
    }

    void cleanupTestCase() { closeWindow(); }

    void changedThenCommitted_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("commit");
        for (const char *model : kModels) {
            // Switching mice reloads everything twice: on NX-19 only.
            const int last = model == kModels[0] ? MouseAndBack : FileAndBack;
            for (int how = PressOk; how <= last; ++how)
                QTest::addRow("%s, %s", model, kCommitNames[how])
                    << QString::fromLatin1(model) << how;
        }
    }

    // Every setting of the first mode changed in one visit of the window,
    // each through its own control, then one commit: a commit costs a save
    // of every file, a visit only events.
    void changedThenCommitted()
    {
        QFETCH(QString, model);
        QFETCH(int, commit);
        openWindow(model);
        m_window->showNormal();
        const QVector<Settings> before = savedSettings(model);

        // A link is set before its bars move: linking moves X to Y.
        QStringList settings;
        for (const QString &name : before[0].keys()) {
            if (name != QLatin1String("button1"))
                settings.insert(name.endsWith(QLatin1String("-link")) ? 0 : settings.size(), name);
        }
        // The effect first: colour, brightness and speed are the new one's.
        settings.removeOne("effect");
        settings.prepend("effect");
        Settings expected = before[0];
        const QStringList levels = {"colour", "brightness", "effect-speed"};
        for (const QString &setting : qAsConst(settings)) {
            const QString value = change(setting);
            if (value.isEmpty()) {
                // Only the compact DPI panel's enable boxes and the levels an
                // effect lacks have no control.
                QVERIFY2(setting.endsWith(QLatin1String("-enabled")) || levels.contains(setting),
                         qPrintable(setting));
                continue;
            }
            // The levels and colour shown are the new effect's own.
            if (!levels.contains(setting))
                QVERIFY2(value != expected.value(setting),
                         qPrintable(setting + " stays " + value + " after " +
                                    QStringList(expected.keys()).join(QLatin1Char(' '))));
            expected[setting] = value;
        }
        this->commit(Commit(commit));
        QCOMPARE(m_boxes.texts, QStringList());

        // The files: the new values in the first mode (and in all of them
        // where the mouse keeps one: the lift-off distance, the lighting of
        // some models), nothing else changed.
        const QVector<Settings> after = savedSettings(model);
        QStringList shared = {"lift-off"};
        if (lightingInFirstProfile(model))
            shared << "effect" << levels;
        QStringList wrong;
        for (int m = 0; m < kProfileCount; ++m) {
            Settings wanted = m == 0 ? expected : before[m];
            for (const QString &name : qAsConst(shared)) {
                if (expected.contains(name))
                    wanted[name] = expected.value(name);
            }
            for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
                if (after[m].value(it.key()) != it.value())
                    wrong << QStringLiteral("mode %1 %2 = %3, not %4")
                                 .arg(m + 1)
                                 .arg(it.key(), after[m].value(it.key()), it.value());
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
        // The mouse got what the tool sends for those files.
        const CtlResult dryRun = runCtl(*m_home, {"apply", "--mouse", model, "--dry-run"});
        QCOMPARE(dryRun.status, 0);
        const QStringList sent = reportsOf(m_log);
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent, reportsOf(dryRun.out.split(QLatin1Char('\n'))));
    }

    // Cancel sends nothing, writes nothing and shows the files again.
    void cancelDropsTheUnappliedEdits()
    {
        const QString model = "NX-19";
        openWindow(model);
        m_window->showNormal();
        const QVector<Settings> before = savedSettings(model);
        const QStringList edited = {"report-rate", "lift-off", "dpi-stage", "dpi2", "button3"};
        for (const QString &setting : edited)
            QVERIFY(!change(setting).isEmpty());
        m_log.clear();
        click("cancelButton");
        QCOMPARE(reportsOf(m_log), QStringList());
        QCOMPARE(savedSettings(model), before);
        m_window->showNormal();
        click("tab2");
        QCOMPARE(child<QPushButton>(QStringLiteral("reportRateButton"))->text(),
                 before[0].value(QStringLiteral("report-rate")) + QStringLiteral(" HZ"));
        const int stage = before[0].value("dpi-stage").toInt() - 1;
        QVERIFY(child<QRadioButton>(QStringLiteral("dpiStage%1").arg(stage))->isChecked());
        QCOMPARE(child<VornDPIWindow>(QStringLiteral("dpiPanel"))->xLabel(1)->text(),
                 QStringLiteral("X:") + before[0].value(QStringLiteral("dpi2")).section('x', 0, 0));
        QCOMPARE(child<QPushButton>(QStringLiteral("liftOffButton"))->text(),
                 QString(before[0].value(QStringLiteral("lift-off"))).replace("mm", " mm"));
        QCOMPARE(child<QPushButton>(QStringLiteral("function2"))->text(),
                 before[0].value(QStringLiteral("button3")));
    }
};

QTEST_MAIN(TestEverySetting)
#include "tst_everysetting.moc"
