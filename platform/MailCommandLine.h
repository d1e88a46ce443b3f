#pragma once

#include <QString>

// The program of a mailto command line such as
// "C:\Program Files\Mail\mail.exe" -compose "%1": the text between the
// first character and the next double quote, so the arguments are dropped.
// Without a closing quote it is everything after the first character.
QString mailProgramFromCommandLine(const QString &commandLine);
