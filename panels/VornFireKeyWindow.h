#pragma once

#include "panels/KeyCaptureEditor.h"

#include <array>

class QCheckBox;
struct ButtonInfo;

// The FIRE KEY editor: a mouse button or a keyboard key fired a number of
// times with a delay. Every change is reported at once.
class VornFireKeyWindow : public KeyCaptureEditor
{
    Q_OBJECT

public:
    enum Type { FireLeft = 0, FireRight = 1, FireMiddle = 2, FireKeyboard = 3 };

    explicit VornFireKeyWindow(QWidget *parent = nullptr);

    // Shows a button's fire-key settings without reporting them.
    void load(const ButtonInfo &entry);
    void retranslate() override;

    int type() const { return m_type; }
    quint8 keyIndex() const { return m_keyIndex; }
    QCheckBox *typeButton(int type) const { return m_types[size_t(type)]; }
    VornLineEdit *timesField() const { return m_times; }
    VornLineEdit *delayField() const { return m_delay; }
    // Reports the values the editor shows.
    void report();

signals:
    void SetFireKeyValue(quint8 iScan, quint8 iType, quint8 iTimes, quint8 iDelay);

protected:
    void keyCaptured(quint8 index, quint32 flags) override;
    void stopClicked() override;
    void editClicked() override;

private:
    void chooseType(int type);
    void showType(int type);
    void fieldEdited(VornLineEdit *field, int *value);
    bool eventFilter(QObject *watched, QEvent *event) override;

    std::array<QCheckBox *, 4> m_types{};
    VornLabel *m_timesLabel;
    VornLabel *m_delayLabel;
    VornLineEdit *m_times;
    VornLineEdit *m_delay;
    // The last whole values of the fields (1 to 255): what is reported
    // while a field is empty during an edit.
    int m_timesValue = 3;
    int m_delayValue = 10;
    int m_type = FireLeft;
    quint8 m_keyIndex = 0;
};
