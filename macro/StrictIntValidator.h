#pragma once

#include <QIntValidator>

// An integer validator that refuses a number above the top outright
// instead of letting it stand as intermediate input, so that a field can
// never hold a value out of its range (empty or below the bottom is still
// allowed while typing).
class StrictIntValidator : public QIntValidator
{
public:
    StrictIntValidator(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}

    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        if (state == Intermediate && input.toLongLong() > top())
            return Invalid;
        return state;
    }
};
