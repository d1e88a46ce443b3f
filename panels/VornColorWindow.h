#pragma once

#include "store/ProfileData.h"
#include "widgets/SettingsPanel.h"

#include <QColor>

#include <array>

class VornAction;
class VornColorArea;
class VornLabel;
class VornMenu;
class VornPushButton;
class VornSlider;

// The lighting page: effect, brightness, speed and colour of the mouse's
// lighting. It edits the store directly; every applied change is written
// to the profile file and previewed on the mouse at once.
class VornColorWindow : public SettingsPanel
{
    Q_OBJECT

public:
    explicit VornColorWindow(QWidget *parent = nullptr);

    int tab() const override { return TabLighting; }
    QRect designRect() const override;
    void loadRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    // The record the panel edits, inside `store` (profile 0 for the models
    // that keep their lighting there).
    void setProfileData(ProfileStore &store, int profile);
    int editedProfile() const { return m_profile; }

    // Selects an effect; `apply` writes and previews it (the user chose it
    // in the menu), otherwise nothing leaves the program.
    void selectMode(int mode, bool apply);

    // Index order of the effects; the menu order depends on the model.
    static QString modeName(int mode);
    static QVector<int> menuModes(quint32 lightingClass, const QString &productName);

    VornPushButton *effectButton() const { return m_effectButton; }
    VornMenu *effectMenu() const { return m_menu; }
    VornSlider *brightnessSlider() const { return m_bright; }
    VornSlider *speedSlider() const { return m_speed; }
    VornLabel *brightnessLabel() const { return m_brightLabel; }
    VornLabel *speedLabel() const { return m_speedLabel; }
    VornColorArea *colorArea() const { return m_colorArea; }

public slots:
    // The mouse's own lighting button chose this effect.
    void slotRefreshLightMode(int mode);
    void slotSliderMouseChange();
    void slotSendLedState(QColor color);
    void slotApplyColor();

private slots:
    void onEffectAction();

private:
    LedModeInfo *currentMode() const;
    void rebuildMenu();
    void applyStep();
    void layoutChildren();

    ProfileStore *m_store = nullptr;
    // A failed preview is told once, not at every step of a drag.
    bool m_previewFailed = false;
    int m_profile = 0;
    ProfileData *m_record = nullptr;
    VornLabel *m_effectLabel;
    VornLabel *m_brightLabel;
    VornLabel *m_speedLabel;
    VornPushButton *m_effectButton;
    VornMenu *m_menu;
    std::array<VornAction *, kLedModeCount> m_actions{};
    VornSlider *m_bright;
    VornSlider *m_speed;
    VornColorArea *m_colorArea;
};
