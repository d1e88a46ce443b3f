#include "macro/ui/MacroRecordingController.h"

#include "macro/MacroEventList.h"
#include "macro/MacroLog.h"
#include "platform/KeyboardCapture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>

MacroRecordingController::MacroRecordingController(KeyboardCapture *capture, MacroEventList *events,
                                                   const QListWidget *macroList,
                                                   const QLineEdit *defaultDelay, QObject *parent)
    : QObject(parent)
    , m_capture(capture)
    , m_events(events)
    , m_macroList(macroList)
    , m_defaultDelay(defaultDelay)
{
    m_clock.start();
    if (m_capture)
        connect(m_capture, &KeyboardCapture::keyEvent, this, &MacroRecordingController::onKeyEvent);
}

MacroRecordingController::~MacroRecordingController()
{
    if (m_capture)
        m_capture->stop();
}

bool MacroRecordingController::hasMacro() const
{
    return m_macroList->count() > 0;
}

void MacroRecordingController::start(bool after, int current)
{
    m_recorder.restart();
    m_recording = true;
    if (after) {
        m_insertAt = current < 0 ? m_events->size() : current + 1;
    } else {
        m_events->clear();
        m_insertAt = -1;
    }
}

void MacroRecordingController::takeKeyboard(QWidget *window)
{
    if (m_capture && !m_capture->isActive())
        m_capture->start(window);
}

void MacroRecordingController::onKeyEvent(KeyRecord &record)
{
    qCDebug(lcMacro, "l->vkCode %x l->scanCode %x %x", record.vkCode, record.scanCode,
            record.flags);
    if (!m_recording || !hasMacro())
        return;
    int retract = 0;
    const QVector<MacroRow> added =
        m_recorder.step(record, m_clock.elapsed(), m_events->size(), m_events->delayType(),
                        m_defaultDelay->text(), &retract);
    if (retract > 0)
        m_insertAt = m_events->record(m_insertAt, retract, {});
    // What the next hook sees: the renumbered key, and no flags on a press
    // made with Alt held.
    const quint8 code = recorderKeyCode(record);
    if (code != record.scanCode)
        record.scanCode = code;
    if ((record.flags & kKeyAltDown) && !(record.flags & kKeyUp))
        record.flags = 0;
    if (!added.isEmpty()) {
        emit rowsRecorded();
        m_insertAt = m_events->record(m_insertAt, 0, added);
    }
    m_recorder.settled(m_clock.elapsed());
}

bool MacroRecordingController::stop(QStringList *warnings)
{
    const bool wasRecording = m_recording && hasMacro();
    m_recording = false;
    m_insertAt = -1;
    if (m_capture)
        m_capture->stop();
    if (!wasRecording)
        return false;
    if (!releaseTestPasses(m_events->events()))
        *warnings << QCoreApplication::translate("MacroDialog",
                                                 "ONE OR MORE KEYS HAS NOT BEEN RELEASED.");
    if (m_recorder.droppedForRoom())
        *warnings << m_recorder.droppedMessage();
    return true;
}
