#pragma once

#include <QObject>

// The signals between the main window and its settings panels. The window
// emits the first group and listens to the second; PanelSet connects each
// panel to the ones it needs. Neither side has to know the other's class.
class PanelLinks : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The lighting panel selects this effect (issued by the mouse's own
    // lighting button).
    void lightModeSelected(int index);
    // The mouse switched DPI stage, report rate or lift-off by itself; the
    // store already holds the new value.
    void dpiStageRefreshed(quint8 stage);
    void pollRateRefreshed(quint8 rate);
    void liftRefreshed(quint8 lift);
    // A front or scroll marker was clicked: the button panel shows that
    // button (group 0 front, 2 scroll).
    void markerClicked(int index, int group);
    // The view changed: the button panel follows with the selected button
    // of the current group.
    void viewChanged(bool front, int index, int group);

    // From the panels: the button panel selected a button, asks for the
    // macro tab or refuses to take the last click away; the macro panel
    // locks or frees the window while it records.
    void buttonSelected(quint8 button, quint8 group);
    void macroTabRequested(quint8 tab);
    void lastClickRefused();
    void buttonsEnabled(bool enabled);
};
