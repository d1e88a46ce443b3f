#include "platform/MailCommandLine.h"

QString mailProgramFromCommandLine(const QString &commandLine)
{
    // left(-1) keeps the whole text, which is the intended reading of a
    // line with no closing quote.
    const int quote = commandLine.indexOf(QLatin1Char('"'), 1, Qt::CaseSensitive);
    return commandLine.left(quote).mid(1);
}
