#pragma once

#include <QStringList>

class QJsonDocument;
#include <QTextStream>

// Exit statuses of korvalen-ctl.
enum CtlExit {
    CtlOk = 0,
    CtlNoMouse = 1,
    CtlUsage = 2,
    CtlReportFailed = 3,
    // A file of the data folder (or one named on the command line) could not
    // be read or written: the mouse is not to blame.
    CtlFileFailed = 4,
};

struct CtlContext
{
    QTextStream &out;
    QTextStream &err;
    // Progress lines are printed only when standard output is a terminal.
    bool terminal = false;
    // --json: one JSON document on stdout instead of the lines for people.
    bool json = false;
};

// Prints a JSON document (object or array) to ctx.out.
void printJson(CtlContext &ctx, const QJsonDocument &document);

// One sub-command: gets the arguments after its name, prints to the
// context and returns an exit status. A usage error prints its message to
// err and returns CtlUsage.
using CtlCommandFunction = int (*)(const QStringList &args, CtlContext &ctx);

struct CtlCommand
{
    const char *name;
    const char *synopsis;
    const char *help; // what `COMMAND --help` prints below the synopsis
    CtlCommandFunction run;
};

int runList(const QStringList &args, CtlContext &ctx);
int runDevices(const QStringList &args, CtlContext &ctx);
int runApply(const QStringList &args, CtlContext &ctx);
int runSwitch(const QStringList &args, CtlContext &ctx);
int runDump(const QStringList &args, CtlContext &ctx);
int runVerify(const QStringList &args, CtlContext &ctx);
int runGet(const QStringList &args, CtlContext &ctx);
int runSet(const QStringList &args, CtlContext &ctx);
int runExport(const QStringList &args, CtlContext &ctx);
int runImport(const QStringList &args, CtlContext &ctx);
int runProfiles(const QStringList &args, CtlContext &ctx);
int runProgramProfiles(const QStringList &args, CtlContext &ctx);
int runUdevRule(const QStringList &args, CtlContext &ctx);
