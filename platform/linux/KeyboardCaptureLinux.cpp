#include "platform/KeyboardCapture.h"

#include "platform/linux/EvdevKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <linux/input-event-codes.h>

namespace {

// X11 and Wayland number keys as the input layer does, plus 8.
constexpr quint32 kNativeOffset = 8;

// Sees every key event of the application while started: a key event
// first reaches the QWindow, then the widgets, so filtering on the window
// sees each key once whoever ends up handling it. On X11 the target widget
// also holds the keyboard grab while its window is the active one, so the
// window manager does not take Alt, the Windows keys or Print Screen.
class KeyboardCaptureLinux : public KeyboardCapture
{
public:
    explicit KeyboardCaptureLinux(QObject *parent);
    ~KeyboardCaptureLinux() override { stop(); }

    bool start(QWidget *target) override;
    void stop() override;
    bool isActive() const override { return m_active; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliver(const QKeyEvent &event);
    static bool isPopup(QObject *object)
    {
        return object->isWidgetType() && static_cast<QWidget *>(object)->windowType() == Qt::Popup;
    }
    void updateGrab();

    QPointer<QWidget> m_target;
    bool m_active = false;
    bool m_grabbed = false;
    int m_altHeld = 0; // bit 1 left Alt, bit 2 right Alt
};

KeyboardCaptureLinux::KeyboardCaptureLinux(QObject *parent) : KeyboardCapture(parent)
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &KeyboardCaptureLinux::updateGrab);
}

bool KeyboardCaptureLinux::start(QWidget *target)
{
    if (m_active && m_target != target)
        stop();
    m_target = target;
    if (!m_active) {
        // Alt held since before the start still counts as held.
        m_altHeld = QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier ? 1 : 0;
        qApp->installEventFilter(this);
        m_active = true;
    }
    updateGrab();
    return true;
}

void KeyboardCaptureLinux::stop()
{
    if (!m_active)
        return;
    m_active = false;
    qApp->removeEventFilter(this);
    updateGrab();
    m_target = nullptr;
}

bool KeyboardCaptureLinux::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched->isWindowType())
            deliver(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == m_target || isPopup(watched))
            updateGrab();
        break;
    default:
        break;
    }
    return false; // the key still goes where it was going
}

void KeyboardCaptureLinux::deliver(const QKeyEvent &event)
{
    // The hook sees repeated presses but no repeated releases.
    if (event.isAutoRepeat() && event.type() == QEvent::KeyRelease)
        return;
    const quint32 native = event.nativeScanCode();
    if (native < kNativeOffset)
        return;
    KeyRecord record;
    const quint32 code = native - kNativeOffset;
    if (!keyRecordFromEvdev(code, record))
        return;
    const bool release = event.type() == QEvent::KeyRelease;
    if (code == KEY_LEFTALT || code == KEY_RIGHTALT) {
        const int bit = code == KEY_LEFTALT ? 1 : 2;
        m_altHeld = release ? (m_altHeld & ~bit) : (m_altHeld | bit);
    }
    if (release)
        record.flags |= kKeyUp;
    record.time = quint32(event.timestamp());
    if (m_altHeld)
        record.flags |= kKeyAltDown;
    emit keyEvent(record);
}

// Holds the grab exactly while capturing for a visible target whose
// window has the focus; a grab is never taken from another program.
// An open menu lets go of it: Qt hands keys to the grabbing widget
// before any popup, so the menu would not see Escape or the arrows.
void KeyboardCaptureLinux::updateGrab()
{
    QWidget *target = m_target;
    const bool want = m_active && target && target->isVisible() &&
                      !QApplication::activePopupWidget() && target->window()->windowHandle() &&
                      target->window()->windowHandle() == QGuiApplication::focusWindow() &&
                      QGuiApplication::platformName() == QLatin1String("xcb");
    if (want == m_grabbed)
        return;
    m_grabbed = want;
    if (!target)
        return;
    if (want)
        target->grabKeyboard();
    else if (QWidget::keyboardGrabber() == target)
        target->releaseKeyboard();
}

} // namespace

KeyboardCapture *KeyboardCapture::create(QObject *parent)
{
    return new KeyboardCaptureLinux(parent);
}
