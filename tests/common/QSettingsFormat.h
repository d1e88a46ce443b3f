#pragma once

#include <QLibraryInfo>
#include <QtTest>

// The files have the format of Qt 5's QSettings: text past ASCII written as
// \x escapes. Qt 6's QSettings writes UTF-8 instead, so a test that takes
// its bytes for the reference runs on Qt 5 only; in the Qt 6 build,
// tests/qt-parity compares the files with the Qt 5 build's byte for byte.
#define SKIP_UNLESS_QSETTINGS_WRITES_THE_FORMAT()                                                  \
    do {                                                                                           \
        if (QLibraryInfo::version().majorVersion() != 5)                                           \
            QSKIP("Qt 6's QSettings writes UTF-8; the files keep Qt 5's escapes");                 \
    } while (false)
