#pragma once

#include "cli/CtlCommands.h"

#include "store/ProfileData.h"

#include <QString>
#include <QStringList>

// The mouse a command works on: catalogue row N of `--mouse N` (the ROW
// column of `list`) or the model named by `--mouse NAME`, or else the connected mouse the window
// would take (the device-list rule). It becomes "Config/CurrentProductName", as the window's mouse
// selector does, and both interfaces are opened.
struct MouseChoice
{
    int status = CtlOk; // CtlOk, or the exit status to return
    QString productName;
    int row = -1;
};

// Takes "--mouse N" out of args when allowMouse is set; any other argument
// left over is a usage error.
MouseChoice chooseMouse(QStringList args, bool allowMouse, const char *command, CtlContext &ctx);

// The stored profiles of the chosen model into StoreContext::store(), as
// the window loads them; false (with the reason on err) when unreadable.
bool loadChosenStore(const MouseChoice &mouse, CtlContext &ctx, QStringList *unreadable = nullptr);

// Writes the changes of StoreContext::store() against `baseline` onto the
// files as they are now (saveStoreChanges); false, with the file and the
// cause on err, when a file could not be written.
bool saveChangedStore(ProfileStore &baseline, const MouseChoice &mouse, CtlContext &ctx);

// Uploads StoreContext::store() as the window's Apply does; the exit status.
int uploadChosenStore(const MouseChoice &mouse, CtlContext &ctx);

// The options of the commands that work on one mode of a chosen mouse
// (get, set, export, import): --mouse X, --mode M, the command's own flags
// and what is left as positional arguments.
struct ModeArgs
{
    int status = CtlOk;
    QStringList mouse; // "--mouse X" for chooseMouse, or empty
    int mode = -1;     // 0-4, -1 = the active profile
    QStringList flags; // those of `allowedFlags` given
    QStringList positional;
};

// A wrong option or a count of positionals outside min-max is a usage
// error; `positionalProblem` then says what the command takes.
ModeArgs parseModeArgs(const QStringList &args, const char *command,
                       const QStringList &allowedFlags, int minPositional, int maxPositional,
                       const char *positionalProblem, CtlContext &ctx);
