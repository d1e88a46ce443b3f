#pragma once

#include <QString>
#include <QVector>

// Which mode the mouse takes when a program comes to the front. Kept per
// model in the product Config.ini, section [Program_Profiles]:
//   Enabled=1, Default=0..5 (0: stay), Count=N, Program_i=name, Mode_i=1..5
// Nothing else in the program reads or writes that section.

// A program as a person names it: its executable's file name ("steam",
// "cs2") or, where that says little (a game under a launcher), its window
// class. Compared without regard to case.
struct ProgramRule
{
    QString program;
    int mode = 1; // 1..5
};

struct ProgramRules
{
    bool enabled = false;
    int defaultMode = 0; // 0: the mouse stays in its mode
    QVector<ProgramRule> rules;
};

// Bounds on what is read, so that a huge or hostile section costs little:
// rows past the first kMaxProgramRules, names longer than
// kMaxProgramNameLength (a file name's limit) or with control characters,
// and modes outside 1..5 are skipped when reading and refused when adding.
constexpr int kMaxProgramRules = 64;
constexpr int kMaxProgramNameLength = 255;

// Reads the section of the product Config.ini at `configPath`; what cannot
// be read is left out.
ProgramRules readProgramRules(const QString &configPath);
// Writes the whole section under the data folder's writers' lock, leaving
// every other key of the file as it stands. False when the file could not
// be written.
bool writeProgramRules(const QString &configPath, const ProgramRules &rules);

// Whether `name` may be a rule's program (not empty, within the bounds).
bool isValidProgramName(const QString &name);

// The mode for the program in front: a rule on the executable's file name
// is tried first, then one on the window class; with neither, the default.
// 0 when following is off or nothing applies (stay).
int modeForProgram(const ProgramRules &rules, const QString &executable,
                   const QString &windowClass);
