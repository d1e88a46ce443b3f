#pragma once

#include <QLabel>

// A label in the language font on the dark label background.
class VornLabel : public QLabel
{
    Q_OBJECT

public:
    explicit VornLabel(const QString &text = QString(), QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
