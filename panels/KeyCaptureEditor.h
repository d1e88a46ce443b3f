#pragma once

#include "panels/ScaledLayout.h"

#include <QWidget>

class KeyboardCapture;
struct KeyRecord;
class VornLabel;
class VornLineEdit;
class VornPushButton;

// What the three keyboard editors share: a title, the display of the
// captured key, STOP and EDIT, and the keyboard capture that feeds them
// while the editor is shown and in its capture state. Keys are never
// swallowed; the capture only watches them.
class KeyCaptureEditor : public QWidget
{
    Q_OBJECT

public:
    // The panel shows and hides the editors through this: a hidden editor
    // captures nothing.
    virtual void showEditor(bool show);
    bool isCapturing() const { return m_capturing; }
    // Keyboard capture is running (shown and capturing).
    bool captureActive() const;
    QString displayedText() const;

    virtual void retranslate() = 0;
    void rescale();

protected:
    KeyCaptureEditor(bool traceKeys, QWidget *parent);

    // A captured key, renumbered to its key index.
    virtual void keyCaptured(quint8 index, quint32 flags) = 0;
    virtual void stopClicked() = 0;
    virtual void editClicked() = 0;

    // Capture state: STOP while capturing, EDIT while not.
    void setCapturing(bool capturing);
    void setDisplayText(const QString &text);
    void setStopEditTexts();
    // Leaves the STOP / EDIT pair and the key display usable or not.
    void setKeyControlsEnabled(bool enabled);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    VornLabel *m_title;
    VornLineEdit *m_keyDisplay;
    VornPushButton *m_stop;
    VornPushButton *m_edit;
    ScaledLayout m_layout;
    // The last key seen, to drop the repeats of a held key.
    quint8 m_lastIndex = 0;
    quint32 m_lastFlags = 0;

private:
    void onKeyEvent(KeyRecord &record);
    void updateCapture();
    void onFocusChanged(QWidget *now);

    KeyboardCapture *m_capture;
    bool m_traceKeys;
    bool m_capturing = false;
};
