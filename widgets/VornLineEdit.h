#pragma once

#include <QLineEdit>

// A line edit in the language font that reports losing the focus.
class VornLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit VornLineEdit(QWidget *parent = nullptr);

signals:
    void vornLostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
