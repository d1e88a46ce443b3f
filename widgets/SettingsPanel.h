#pragma once

#include <QRect>
#include <QWidget>

struct ProfileStore;

// One settings panel of the main window. The window knows panels only
// through this: it places each on its tab, hands it the store when the
// current mode changes (loadPanels), takes its edits back on Apply
// (collectPanels) and asks it to set its texts and lay itself out again.
class SettingsPanel : public QWidget
{
    Q_OBJECT

public:
    enum Tab { TabLighting = 0, TabCustomize = 1, TabDpi = 2, TabMacro = 3 };

    explicit SettingsPanel(QWidget *parent = nullptr) : QWidget(parent) {}

    // The tab that shows the panel.
    virtual int tab() const = 0;
    // The panel's place in design coordinates (999 x 640); an empty
    // rectangle takes no room.
    virtual QRect designRect() const = 0;

    // Takes the current mode's record (store.curProfile). Panels that edit
    // the store directly keep a pointer into it; the others take a copy.
    virtual void loadRecord(ProfileStore &store) = 0;
    // Writes what the panel edits on its own copy back into the store.
    // Panels that edit the store directly have nothing to do.
    virtual void collectRecord(ProfileStore &store) { Q_UNUSED(store) }
    // Sets every text again in the current language.
    virtual void retranslate() {}
    // The scale factor changed (UiScale::factor()): lay the children out
    // again. The window has already placed the panel itself.
    virtual void rescale() {}
};
