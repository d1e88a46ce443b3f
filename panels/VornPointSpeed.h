#pragma once

#include "widgets/SettingsPanel.h"

class QSpinBox;
class VornLabel;
class VornSlider;
struct ProfileData;

// Pointer speed and scroll speed of the current mode, written straight
// into the store's record; the next upload applies them.
class VornPointSpeed : public SettingsPanel
{
    Q_OBJECT

public:
    explicit VornPointSpeed(QWidget *parent = nullptr);

    int tab() const override { return TabDpi; }
    QRect designRect() const override;
    void loadRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    void setRecord(ProfileData *rec);

    VornSlider *pointerSlider() const { return m_slider; }
    QSpinBox *scrollField() const { return m_scroll; }

public slots:
    void sValueChangedSlot(int value);

private:
    void onSliderValue(int value);

    ProfileData *m_record = nullptr;
    VornLabel *m_pointerLabel;
    VornLabel *m_scrollLabel;
    VornSlider *m_slider;
    QSpinBox *m_scroll;
};
