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
};

// The window's upload: after mayUpload(), the progress dialog saves the
// store and sends it to the mouse. Started by its thread (Apply, OK,
// RESET) or, unthreaded, 100 ms after the dialog opens (LOAD).
void uploadStoreWithProgress(QWidget *parent, bool threaded);
