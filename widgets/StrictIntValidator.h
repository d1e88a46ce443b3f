#pragma once

#include <QIntValidator>

// An integer validator that refuses a number above the top outright
// instead of letting it stand as intermediate input, so that a field can
// never hold a value out of its range (empty is still allowed while
// typing; so is a number below the bottom that more digits can raise,
// but not a leading zero when the bottom is positive: "0" never grows
// into a valid number there).
class StrictIntValidator : public QIntValidator
{
public:
    StrictIntValidator(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}

    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        if (state == Intermediate && input.toLongLong() > top())
            return Invalid;
        if (state == Intermediate && bottom() > 0 && input.startsWith(QLatin1Char('0')))
            return Invalid;
        return state;
    }
};
