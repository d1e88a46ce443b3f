#pragma once

#include <QObject>
#include <QSet>

#include <vector>

class PanelLinks;
class QWidget;
class SettingsPanel;
struct ProfileStore;

// The settings panels of the main window, built in the window's order and
// wired to it. This is the one place that knows the concrete panel
// classes; the window talks to them only through SettingsPanel.
class PanelSet
{
public:
    // Builds every panel as a child of the window and connects each to the
    // links it needs.
    void create(QWidget *window, PanelLinks *links);

    void load(ProfileStore &store) const;
    void collect(ProfileStore &store) const;
    void retranslate() const;
    // Places every panel at its design rectangle times the scale (a hidden
    // one when its tab is next shown).
    void place(double scale);
    // Shows the panels of this tab and hides the others.
    void showTab(int tab);
    // Ends a macro recording as STOP would (the mouse went away).
    void endRecording() const;

    const std::vector<SettingsPanel *> &panels() const { return m_panels; }

    // The first panel of this type, or null.
    template<class T>
    T *find() const
    {
        for (SettingsPanel *p : m_panels) {
            if (auto *t = qobject_cast<T *>(p))
                return t;
        }
        return nullptr;
    }

private:
    void add(SettingsPanel *panel);
    void placePanel(SettingsPanel *panel);

    std::vector<SettingsPanel *> m_panels;
    QSet<SettingsPanel *> m_unplaced;
    double m_scale = 1.0;
};
