#pragma once

#include "store/ProfileData.h"
#include "widgets/SettingsPanel.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class VornTwoBarSlider;

// The five DPI stages of the current mode: enable, link, X and Y values and
// the active stage, edited on a copy of the record that Apply takes back.
class VornDPIWindow : public SettingsPanel
{
    Q_OBJECT

public:
    explicit VornDPIWindow(QWidget *parent = nullptr);

    int tab() const override { return TabDpi; }
    QRect designRect() const override;
    void loadRecord(ProfileStore &store) override;
    void collectRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    void setProfile(const ProfileData &rec, quint32 sensor);
    void setSensor(quint32 sensor);
    void setCurrentStage(quint8 stage);
    void setScale(double s);

    const ProfileData &profileData() const { return m_ProfileData; }
    quint32 sensor() const { return m_sensor; }

    // The controls of a stage row, for the window's tests.
    QRadioButton *stageButton(int stage) const { return m_rows[size_t(stage)].radio; }
    QCheckBox *enableBox(int stage) const { return m_rows[size_t(stage)].enable; }
    QCheckBox *linkBox(int stage) const { return m_rows[size_t(stage)].link; }
    VornTwoBarSlider *slider(int stage) const { return m_rows[size_t(stage)].slider; }
    QLabel *xLabel(int stage) const { return m_rows[size_t(stage)].xLabel; }
    QLabel *yLabel(int stage) const { return m_rows[size_t(stage)].yLabel; }
    QLabel *lowLabel(int stage) const { return m_rows[size_t(stage)].low; }
    QLabel *highLabel(int stage) const { return m_rows[size_t(stage)].high; }
    QLabel *enableHeading() const { return m_enableHeading; }

public slots:
    void onRadioChanged();
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);

private:
    struct Row
    {
        QRadioButton *radio = nullptr;
        QCheckBox *enable = nullptr;
        QCheckBox *link = nullptr;
        VornTwoBarSlider *slider = nullptr;
        QLabel *xLabel = nullptr;
        QLabel *yLabel = nullptr;
        QLabel *low = nullptr;
        QLabel *high = nullptr;
    };

    void showValues(int stage);
    void showCurrentStage();
    void layoutRows(double s);

    ProfileData m_ProfileData;
    quint32 m_sensor = 0;
    // The compact layout: no enable column, longer bars.
    bool m_compact = false;
    int m_stageCount = kDpiStageCount;
    std::array<Row, kDpiStageCount> m_rows;
    QButtonGroup *m_group;
    QLabel *m_enableHeading;
};
