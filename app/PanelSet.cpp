#include "app/PanelSet.h"

#include "app/PanelLinks.h"
#include "macro/ui/MacroDialog.h"
#include "macro/ui/VornMacroSelect.h"
#include "panels/VornBtnWindow.h"
#include "panels/VornColorWindow.h"
#include "panels/VornDPIWindow.h"
#include "panels/VornLiftOffDistance.h"
#include "panels/VornPointSpeed.h"
#include "panels/VornReportRate.h"
#include "platform/KeyboardCapture.h"
#include "widgets/SettingsPanel.h"
#include "widgets/UiScale.h"

void PanelSet::create(QWidget *window, PanelLinks *links)
{
    // The panels join here in the window's order: buttons, DPI, pointer
    // speed, report rate, lift-off, macros, lighting. Each is built with
    // the window as parent, then add()ed and wired.
    auto *buttons = new VornBtnWindow(window);
    add(buttons);
    QObject::connect(buttons, &VornBtnWindow::SelBtnControl, links, &PanelLinks::buttonSelected);
    QObject::connect(buttons, &VornBtnWindow::GotoMacroTab, links, &PanelLinks::macroTabRequested);
    QObject::connect(buttons, &VornBtnWindow::PopOneClickBox, links, &PanelLinks::lastClickRefused);
    QObject::connect(links, &PanelLinks::markerClicked, buttons,
                     [buttons](int index, int group) { buttons->selectButton(index, group); });
    QObject::connect(links, &PanelLinks::viewChanged, buttons, &VornBtnWindow::setView);
    buttons->setMacroChooser(&VornMacroSelect::choose);
    auto *dpi = new VornDPIWindow(window);
    add(dpi);
    QObject::connect(links, &PanelLinks::dpiStageRefreshed, dpi, &VornDPIWindow::setCurrentStage);
    add(new VornPointSpeed(window));
    auto *rate = new VornReportRate(window);
    add(rate);
    QObject::connect(links, &PanelLinks::pollRateRefreshed, rate, &VornReportRate::slotRefreshRate);
    auto *lift = new VornLiftOffDistance(window);
    add(lift);
    QObject::connect(links, &PanelLinks::liftRefreshed, lift,
                     &VornLiftOffDistance::slotRefreshLift);
    auto *macros = new MacroDialog(window, KeyboardCapture::create(window));
    add(macros);
    QObject::connect(macros, &MacroDialog::EnableButtonsSignal, links, &PanelLinks::buttonsEnabled);
    auto *lighting = new VornColorWindow(window);
    add(lighting);
    QObject::connect(links, &PanelLinks::lightModeSelected, lighting,
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

void PanelSet::place(double scale)
{
    // A hidden panel is placed when its tab is shown: rescaling the macro
    // and DPI pages is much of what a layout costs.
    m_scale = scale;
    for (SettingsPanel *p : m_panels) {
        if (p->isHidden())
            m_unplaced.insert(p);
        else
            placePanel(p);
    }
}

void PanelSet::placePanel(SettingsPanel *p)
{
    const QRect r = p->designRect();
    p->setGeometry(UiScale::scaled(r, m_scale));
    p->rescale();
    m_unplaced.remove(p);
}

void PanelSet::showTab(int tab)
{
    for (SettingsPanel *p : m_panels) {
        if (p->tab() == tab && m_unplaced.contains(p))
            placePanel(p);
        p->setVisible(p->tab() == tab);
    }
}

void PanelSet::endRecording() const
{
    if (auto *macros = find<MacroDialog>())
        macros->endRecording();
}
