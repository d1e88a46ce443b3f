#pragma once

#include <QPushButton>

// A check button drawn from two skin images ("<stem>-1.png" unchecked,
// "<stem>-2.png" checked, under /skin/) with its text beside the box.
class VornCheckButton : public QPushButton
{
    Q_OBJECT

public:
    explicit VornCheckButton(const QString &stem, const QString &text = QString(),
                             QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_stem;
};
