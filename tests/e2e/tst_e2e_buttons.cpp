#include "common/AppUnderX.h"
#include "common/TestHome.h"

#include <QtTest>

// The CUSTOMIZE panel on the real window under X: keys typed for real
// reach the key editors, Apply sends what they stored, and a button that
// opens a menu looks normal again after the menu closes.
class TestButtonsEndToEnd : public QObject
{
    Q_OBJECT

private:
    // Places in the window at scale 1.
    static constexpr QPoint kFunctionButton{389, 414};
    static constexpr QPoint kEditorStop{615, 469};
    static constexpr QRect kModeButton{68, 213, 150, 29};
    static constexpr QPoint kAway{500, 600};
    // Marker p of the panel's row.
    static QPoint panelMarker(int p) { return QPoint(324 + 32 * p, 374); }

    // The function menu is walked with the keyboard: the eighth entry is
    // the "Advance" submenu, whose first two entries are the key editors.
    static void chooseAdvanced(AppUnderX &app, int entry)
    {
        app.click(kFunctionButton);
        QStringList keys;
        for (int i = 0; i < 8; ++i)
            keys << "Down";
        keys << "Right";
        for (int i = 0; i < entry; ++i)
            keys << "Down";
        keys << "Return";
        AppUnderX::keys(keys);
    }

    static bool logHas(const AppUnderX &app, const QString &text)
    {
        return !app.logLines().filter(text).isEmpty();
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
    }

    void realKeysReachTheEditorsAndApplySendsThem()
    {
        TestHome home;
        AppUnderX app(home);
        QVERIFY(app.start("NX-19", "korvalen.panels.debug=true"));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        app.click(AppUnderX::tab(1));

        // Button 4 (record entry 3): SINGLE KEY, then A and Right typed.
        app.click(panelMarker(3));
        chooseAdvanced(app, 0);
        AppUnderX::keys({"a"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas(app, "single key 30 shown as \"A\""), 3000);
        AppUnderX::keys({"Right"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas(app, "l->vkCode 27 l->scanCode 4d 1"), 3000);
        QVERIFY(logHas(app, "single key 77 shown as \"Right\""));
        QVERIFY(app.screenshot("buttons-single-key-right"));
        // While the editor holds the keyboard a menu still takes Escape,
        // and the editor has the keyboard again once the menu is gone.
        app.click(kFunctionButton);
        QCOMPARE(app.windows().size(), 2);
        AppUnderX::keys({"Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(app.windows().size(), 1, 3000);
        AppUnderX::keys({"Delete", "Right"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas(app, "single key 83 shown as \"Delete\""), 3000);
        app.click(kEditorStop);

        // Button 5 (entry 4): COMBO KEY with Ctrl+Shift+A.
        app.click(panelMarker(4));
        chooseAdvanced(app, 1);
        AppUnderX::keys({"ctrl+shift+a"});
        QVERIFY(app.screenshot("buttons-combo-ctrl-shift-a"));
        app.click(kEditorStop);

        const int from = app.traceLines();
        app.click(AppUnderX::kApply);
        const QStringList sent = app.waitForUpload(from);
        // Profile 1 starts at 0x40; button b's entry at +66 + 4b. SINGLE
        // KEY is type 0x90 with the key's usage (Right 0x4F); the combo is
        // a keyboard key 0x8F with Ctrl (1) + Shift (2) and the usage of A.
        QVERIFY2(sent.contains("set_feature 1 02f38e000400000090004f0000000000"),
                 qPrintable(sent.join(QLatin1Char('\n'))));
        QVERIFY(sent.contains("set_feature 1 02f39200040000008f03040000000000"));
    }

    void aMenuButtonLooksNormalAfterItsMenuCloses()
    {
        TestHome home;
        AppUnderX app(home);
        QVERIFY(app.start("NX-19"));
        QVERIFY(!app.grabSettled().isNull()); // painted and idle
        app.click(kAway); // activates the window: a popup of an inactive one closes at once
        app.moveTo(kAway);
        const QImage normal = app.grab(kModeButton);
        app.moveTo(kModeButton.center());
        const QImage hover = app.grab(kModeButton);

        // Picked with the mouse: "Mode 1", the mode already shown.
        app.click(kModeButton.center());
        QVERIFY(app.screenshot("mode-menu-open"));
        app.click(QPoint(kModeButton.center().x(), kModeButton.bottom() + 12));
        QTRY_VERIFY_WITH_TIMEOUT(app.grab(kModeButton) == normal, 5000);
        QVERIFY(app.screenshot("mode-button-after-pick"));

        // Closed with Escape, the pointer still on the button.
        app.click(kModeButton.center());
        AppUnderX::keys({"Escape"});
        const QImage afterEscape = app.grab(kModeButton);
        QVERIFY(afterEscape == normal || afterEscape == hover);
        QVERIFY(app.screenshot("mode-button-after-escape"));
    }
};

QTEST_GUILESS_MAIN(TestButtonsEndToEnd)
#include "tst_e2e_buttons.moc"
