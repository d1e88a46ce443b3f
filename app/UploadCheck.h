#pragma once

#include <QCoreApplication>

class QWidget;

// What the window checks before an upload saves and sends the store: a
// file that held nothing is never sent as zeros (the person is offered the
// model's defaults for that profile), values the mouse has no code for stop
// the upload, and macros without a file are named.
class UploadCheck
{
    Q_DECLARE_TR_FUNCTIONS(UploadCheck)

public:
    // Works on the process-wide store; false when nothing is to be saved
    // or sent.
    static bool mayUpload(QWidget *parent);
    // Tells the person, once, which step of a write to the mouse failed
    // and what to try.
    static void reportFailedStep(QWidget *parent, const QString &step, const QString &problem);
};

// The window's upload: after mayUpload(), the store's changes are saved
// (a failure is shown and nothing is sent), then the progress dialog sends
// it to the mouse; a step that failed is shown. Started by its thread (Apply, OK,
// RESET) or, unthreaded, 100 ms after the dialog opens (LOAD).
void uploadStoreWithProgress(QWidget *parent, bool threaded);
