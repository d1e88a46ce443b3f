#pragma once

class QRect;
class QString;
class QToolButton;
class QWidget;

// The Yes and No buttons of the macro dialogs: the icon beside the text, in
// the dialogs' black and red, placed at `geometry` (already scaled).
enum class Answer { Yes, No };
QToolButton *answerButton(QWidget *dialog, Answer answer, const QString &text,
                          const QRect &geometry);
