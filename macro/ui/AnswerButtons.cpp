#include "macro/ui/AnswerButtons.h"

#include <QIcon>
#include <QRect>
#include <QToolButton>

QToolButton *answerButton(QWidget *dialog, Answer answer, const QString &text,
                          const QRect &geometry)
{
    const bool yes = answer == Answer::Yes;
    auto *button = new QToolButton(dialog);
    button->setObjectName(QLatin1String(yes ? "msgBoxYesBtn" : "msgBoxNoBtn"));
    button->setIcon(QIcon(QLatin1String(yes ? ":/yes_Btn" : ":/no_Btn")));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setStyleSheet(
        QStringLiteral("QToolButton{background-color:black;color:white;border-radius:3px;"
                       "border:1px outset red;padding:2px 8px;}"));
    button->setGeometry(geometry);
    return button;
}
