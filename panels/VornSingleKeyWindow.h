#pragma once

#include "panels/KeyCaptureEditor.h"

// The SINGLE KEY editor: shows the last key pressed while capturing; STOP
// hands it to the button panel.
class VornSingleKeyWindow : public KeyCaptureEditor
{
    Q_OBJECT

public:
    explicit VornSingleKeyWindow(QWidget *parent = nullptr);

    void showEditor(bool show) override;
    // Shows a stored key index without reporting it.
    void load(quint8 keyIndex);
    quint8 keyIndex() const { return m_keyIndex; }
    void retranslate() override;

signals:
    void SetSingleKeyValue(quint8 keyIndex);

protected:
    void keyCaptured(quint8 index, quint32 flags) override;
    void stopClicked() override;
    void editClicked() override;

private:
    quint8 m_keyIndex = 0;
};
