#pragma once

#include "platform/KeyRecord.h"

#include <QObject>

class QWidget;

// Captures every key press and release while started, including keys the
// desktop would otherwise take (Alt, the Windows keys, Print Screen), and
// delivers each one to keyEvent on the GUI thread. Keys are never
// swallowed: they still reach the focused application.
//
// Windows: a WH_KEYBOARD_LL hook. Linux: an application-wide event filter
// plus a keyboard grab on the target widget (X11); on Wayland, where no
// grab exists, keys are seen while the window has the focus.
class KeyboardCapture : public QObject
{
    Q_OBJECT

public:
    static KeyboardCapture *create(QObject *parent = nullptr);
    ~KeyboardCapture() override = default;

    // Starts capturing for `target` (grab holder on X11). Returns false
    // when the system refused; a later start() tries again.
    virtual bool start(QWidget *target) = 0;
    // Stops capturing and releases the keyboard; safe when not started.
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    // A handler may rewrite the record (the key editors renumber scan
    // codes); on Windows the rewritten record is what the next hook sees.
    void keyEvent(KeyRecord &record);

protected:
    explicit KeyboardCapture(QObject *parent) : QObject(parent) {}
};
