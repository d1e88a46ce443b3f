#pragma once

#include "common/CtlProcess.h"

#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"

#include <QTextStream>

// Runs one korvalen-ctl command in this process, its output caught. The
// mouse is closed afterwards, as each run of the tool opens it afresh.
inline CtlResult runInProcess(CtlCommandFunction function, const QStringList &args = {},
                              bool terminal = false)
{
    CtlResult run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    CtlContext ctx{out, err, terminal};
    run.status = function(args, ctx);
    out.flush();
    err.flush();
    closeDevice();
    return run;
}
