#pragma once

#include "store/ProfileData.h"
#include "widgets/SettingsPanel.h"

#include <vector>

class VornAction;
class VornLabel;
class VornMenu;
class VornPushButton;

// The report rate of the current mode, on a copy of the record.
class VornReportRate : public SettingsPanel
{
    Q_OBJECT

public:
    explicit VornReportRate(QWidget *parent = nullptr);

    int tab() const override { return TabDpi; }
    QRect designRect() const override;
    void loadRecord(ProfileStore &store) override;
    void collectRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    void setRecord(const ProfileData &rec);
    const ProfileData &profileData() const { return m_ProfileData; }

    VornPushButton *rateButton() const { return m_button; }
    VornMenu *rateMenu() const { return m_menu; }

    // The menu text of a rate code, empty for a code the menu lacks.
    static QString rateText(quint8 code);

public slots:
    // The mouse changed its rate: show the store's current record again.
    void slotRefreshRate(quint8 rate);

private:
    void showRate();

    ProfileData m_ProfileData;
    ProfileStore *m_store = nullptr;
    VornLabel *m_title;
    VornPushButton *m_button;
    VornMenu *m_menu;
    std::vector<VornAction *> m_actions;
};
