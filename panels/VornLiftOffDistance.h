#pragma once

#include "widgets/SettingsPanel.h"

#include <vector>

class VornAction;
class VornLabel;
class VornMenu;
class VornPushButton;

// The lift-off distance, a device-wide code (0 = 3 mm, 1 = 2 mm, 2 = 1 mm)
// that Apply takes back into the store. Only the models that take the
// distance from the program show it.
class VornLiftOffDistance : public SettingsPanel
{
    Q_OBJECT

public:
    explicit VornLiftOffDistance(QWidget *parent = nullptr);

    int tab() const override { return TabDpi; }
    QRect designRect() const override;
    void loadRecord(ProfileStore &store) override;
    void collectRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    void setValue(quint8 code);
    quint8 value() const { return m_code; }

    VornPushButton *liftButton() const { return m_button; }
    VornMenu *liftMenu() const { return m_menu; }

    static QString distanceText(quint8 code);

public slots:
    void slotRefreshLift(quint8 lift);

private:
    quint8 m_code = 0;
    VornLabel *m_title;
    VornPushButton *m_button;
    VornMenu *m_menu;
    std::vector<VornAction *> m_actions;
};
