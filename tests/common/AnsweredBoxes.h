#pragma once

#include "widgets/VornMessageBox.h"

#include <QLabel>
#include <QList>
#include <QStringList>

// Every message box answered by the test instead of a person: what each
// said is kept, and the answers are taken in turn (Yes or Ok once they run
// out). reset() clears both and puts the hook back; the hook goes with the
// object.
class AnsweredBoxes
{
public:
    struct Box
    {
        int kind;
        QString heading;
        QString text;
        QString title;
    };

    AnsweredBoxes() { reset(); }
    ~AnsweredBoxes() { VornMessageBox::setExecHook(nullptr); }
    AnsweredBoxes(const AnsweredBoxes &) = delete;
    AnsweredBoxes &operator=(const AnsweredBoxes &) = delete;

    void reset()
    {
        boxes.clear();
        texts.clear();
        answers.clear();
        VornMessageBox::setExecHook([this](VornMessageBox *box) {
            const auto label = [box](const char *name) {
                return box->findChild<QLabel *>(QLatin1String(name))->text();
            };
            boxes.append({box->kind(), label("msgBoxInfoLabel1"), label("msgBoxInfoLabel2"),
                          box->windowTitle()});
            texts << boxes.last().text;
            return answers.isEmpty() ? 1 : answers.takeFirst();
        });
    }

    QList<Box> boxes;
    QStringList texts;
    QList<int> answers;
};
