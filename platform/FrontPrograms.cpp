#include "platform/FrontWindow.h"

#include <QSet>

QVector<FrontProgram> distinctPrograms(const QVector<FrontProgram> &windows)
{
    QVector<FrontProgram> programs;
    QSet<QString> seen;
    for (const FrontProgram &program : windows) {
        const QString key = program.executable.isEmpty() ? program.windowClass : program.executable;
        if (program.ownWindow || key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        programs.append(program);
    }
    return programs;
}
