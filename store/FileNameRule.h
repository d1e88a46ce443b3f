#pragma once

#include <QString>

// The one rule for every name the program turns into a file or folder name
// (macros, profiles, models of the catalogue): a name that some system
// cannot hold, or that would lead out of its folder, is refused. The
// characters Windows refuses are refused everywhere, so that a folder
// copied between systems keeps every file.
enum class NameProblem {
    None,
    Empty,
    DotName,            // "." or ".."
    ForbiddenCharacter, // / \ : * ? " < > |
    ControlCharacter,
    FormatCharacter,    // invisible ones such as U+202E (right-to-left) or U+200B
    TrailingDotOrSpace, // dropped or refused by some file systems
    TooLong,
};

// The limits of one kind of name: at most `maxCharacters` characters (0:
// no such limit), and at most `maxBytes` bytes in the file system's
// encoding, the file's ending included.
struct NameLimits
{
    int maxCharacters = 0;
    int maxBytes = 255;
};

NameProblem nameProblem(const QString &name, const NameLimits &limits);

// Which rule `problem` broke, as the end of a sentence ("it ends with a
// dot or a space"), translated; with the limits for TooLong.
QString nameProblemText(NameProblem problem, const NameLimits &limits);
