#include "app/PanelSet.h"

#include "app/MousecfgWidget.h"
#include "macro/MacroDialog.h"
#include "macro/VornMacroSelect.h"
#include "panels/SettingsPanel.h"
#include "panels/VornBtnWindow.h"
#include "panels/VornColorWindow.h"
#include "panels/VornDPIWindow.h"
#include "panels/VornLiftOffDistance.h"
#include "panels/VornPointSpeed.h"
#include "panels/VornReportRate.h"
#include "platform/KeyboardCapture.h"

void PanelSet::create(MousecfgWidget *window)
{
    // The panels join here in the window's order: buttons, DPI, pointer
    // speed, report rate, lift-off, macros, lighting. Each is built with
    // the window as parent, then add()ed and wired.
    auto *buttons = new VornBtnWindow(window);
    add(buttons);
    QObject::connect(buttons, &VornBtnWindow::SelBtnControl, window,
                     &MousecfgWidget::SelBtnChanged);
    QObject::connect(buttons, &VornBtnWindow::GotoMacroTab, window, &MousecfgWidget::slotGotoMacro);
    QObject::connect(buttons, &VornBtnWindow::PopOneClickBox, window,
                     &MousecfgWidget::slotPopOneClickBox);
    QObject::connect(window, &MousecfgWidget::markerClicked, buttons,
                     [buttons](int index, int group) { buttons->selectButton(index, group); });
    QObject::connect(window, &MousecfgWidget::viewChanged, buttons, &VornBtnWindow::setView);
    buttons->setMacroChooser(&VornMacroSelect::choose);
    auto *dpi = new VornDPIWindow(window);
    add(dpi);
    QObject::connect(window, &MousecfgWidget::dpiStageRefreshed, dpi,
                     &VornDPIWindow::setCurrentStage);
    add(new VornPointSpeed(window));
    auto *rate = new VornReportRate(window);
    add(rate);
    QObject::connect(window, &MousecfgWidget::pollRateRefreshed, rate,
                     &VornReportRate::slotRefreshRate);
    auto *lift = new VornLiftOffDistance(window);
    add(lift);
    QObject::connect(window, &MousecfgWidget::liftRefreshed, lift,
                     &VornLiftOffDistance::slotRefreshLift);
    auto *macros = new MacroDialog(window, KeyboardCapture::create(window));
    add(macros);
    QObject::connect(macros, &MacroDialog::EnableButtonsSignal, window,
                     &MousecfgWidget::slotEnableButtons);
    auto *lighting = new VornColorWindow(window);
    add(lighting);
    QObject::connect(window, &MousecfgWidget::lightModeSelected, lighting,
                     &VornColorWindow::slotRefreshLightMode);
}

void PanelSet::add(SettingsPanel *panel)
{
    m_panels.push_back(panel);
}

void PanelSet::load(ProfileStore &store) const
{
    for (SettingsPanel *p : m_panels)
        p->loadRecord(store);
}

void PanelSet::collect(ProfileStore &store) const
{
    for (SettingsPanel *p : m_panels)
        p->collectRecord(store);
}

void PanelSet::retranslate() const
{
    for (SettingsPanel *p : m_panels)
        p->retranslate();
}

void PanelSet::place(double scale) const
{
    for (SettingsPanel *p : m_panels) {
        const QRect r = p->designRect();
        p->setGeometry(int(r.x() * scale), int(r.y() * scale), int(r.width() * scale),
                       int(r.height() * scale));
        p->rescale();
    }
}

void PanelSet::showTab(int tab) const
{
    for (SettingsPanel *p : m_panels)
        p->setVisible(p->tab() == tab);
}
