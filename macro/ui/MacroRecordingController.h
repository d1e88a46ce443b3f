#pragma once

#include "macro/MacroRecorder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class KeyboardCapture;
class MacroEventList;
class QLineEdit;
class QListWidget;
class QWidget;

// START, RECORD AFTER and STOP of the macro page: takes the keyboard,
// turns each key event into rows through the record step and puts them
// into the macro being edited. Keys are recorded only while the library
// lists a macro to record into. The page shows and hides its controls.
class MacroRecordingController : public QObject
{
    Q_OBJECT

public:
    // `capture` delivers the keys (none: nothing is recorded); the default
    // delay is read from `defaultDelay` as each key arrives.
    MacroRecordingController(KeyboardCapture *capture, MacroEventList *events,
                             const QListWidget *macroList, const QLineEdit *defaultDelay,
                             QObject *parent);
    ~MacroRecordingController() override;

    bool isRecording() const { return m_recording; }
    // START clears the rows; RECORD AFTER (`after`) inserts after the row
    // `current` (at the end when -1).
    void start(bool after, int current);
    void takeKeyboard(QWidget *window);
    // Ends the recording and releases the keyboard. True when keys were
    // recorded into a macro, which is then to be saved; `warnings` gets
    // what the user is to be told about the rows.
    bool stop(QStringList *warnings);

signals:
    // Rows were recorded: the page moves the focus off its input fields.
    void rowsRecorded();

private:
    void onKeyEvent(KeyRecord &record);
    bool hasMacro() const;

    QPointer<KeyboardCapture> m_capture; // may go before the page does
    MacroEventList *m_events;
    const QListWidget *m_macroList;
    const QLineEdit *m_defaultDelay;
    MacroRecorder m_recorder;
    QElapsedTimer m_clock;
    bool m_recording = false;
    int m_insertAt = -1; // RECORD AFTER: where the next recorded row goes
};
