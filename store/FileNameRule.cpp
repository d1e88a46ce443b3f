#include "store/FileNameRule.h"

#include <QCoreApplication>
#include <QFile>

NameProblem nameProblem(const QString &name, const NameLimits &limits)
{
    if (name.isEmpty())
        return NameProblem::Empty;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return NameProblem::DotName;
    for (const QChar c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            return NameProblem::ForbiddenCharacter;
        if (c.category() == QChar::Other_Control)
            return NameProblem::ControlCharacter;
        if (c.category() == QChar::Other_Format)
            return NameProblem::FormatCharacter;
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return NameProblem::TrailingDotOrSpace;
    if ((limits.maxCharacters > 0 && name.size() > limits.maxCharacters) ||
        QFile::encodeName(name).size() > limits.maxBytes)
        return NameProblem::TooLong;
    return NameProblem::None;
}

QString nameProblemText(NameProblem problem, const NameLimits &limits)
{
    switch (problem) {
    case NameProblem::None:
        break;
    case NameProblem::Empty:
        return QCoreApplication::translate("FileNameRule", "it is empty");
    case NameProblem::DotName:
        return QCoreApplication::translate("FileNameRule", "it is \".\" or \"..\"");
    case NameProblem::ForbiddenCharacter:
        return QCoreApplication::translate("FileNameRule",
                                           "it contains one of / \\ : * ? \" < > |");
    case NameProblem::ControlCharacter:
        return QCoreApplication::translate("FileNameRule", "it contains control characters");
    case NameProblem::FormatCharacter:
        return QCoreApplication::translate(
            "FileNameRule",
            "it contains invisible formatting characters (such as U+202E or U+200B)");
    case NameProblem::TrailingDotOrSpace:
        return QCoreApplication::translate("FileNameRule", "it ends with a dot or a space");
    case NameProblem::TooLong:
        if (limits.maxCharacters > 0)
            return QCoreApplication::translate("FileNameRule",
                                               "it is longer than %1 characters or %2 bytes")
                .arg(limits.maxCharacters)
                .arg(limits.maxBytes);
        return QCoreApplication::translate("FileNameRule", "it is longer than %1 bytes")
            .arg(limits.maxBytes);
    }
    return QString();
}
