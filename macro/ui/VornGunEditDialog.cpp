#include "macro/ui/VornGunEditDialog.h"

#include "macro/MacroFile.h"
#include "macro/ui/AnswerButtons.h"
#include "macro/ui/VornCheckButton.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"

#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

VornGunEditDialog::VornGunEditDialog(int direction, int distance, QWidget *parent, double scale,
                                     Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::Dialog)
    , m_scale(scale)
    , m_background(Skin::pixmap(QStringLiteral("/skin/dlg_gun.png")))
    , m_spin(new QSpinBox(this))
{
    setWindowTitle(tr("Gun Edit"));
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(px(400), px(260));
    Skin::clipToBackground(this, m_background);

    const QString labelStyle = QStringLiteral("color:white;background:transparent");
    auto *title = new QLabel(tr("GUN EDIT"), this);
    QFont big = UiScale::languageFont();
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(labelStyle);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(px(20), px(12), px(360), px(26));
    auto *action = new QLabel(tr("MOUSE ACTION"), this);
    action->setFont(UiScale::languageFont());
    action->setStyleSheet(labelStyle);
    action->setGeometry(px(40), px(48), px(200), px(22));
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] = new VornCheckButton(QStringLiteral("checkbox1"), moveDirectionName(i), this);
        m_buttons[i]->setGeometry(px(40 + 170 * (i % 2)), px(78 + 30 * (i / 2)), px(160), px(22));
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { setDirection(i); });
    }
    auto *label = new QLabel(tr("Distance"), this);
    label->setFont(UiScale::languageFont());
    label->setStyleSheet(labelStyle);
    label->setGeometry(px(40), px(150), px(100), px(24));
    m_spin->setRange(1, 120);
    m_spin->setValue(1);
    m_spin->setStyleSheet(QStringLiteral("background:rgb(30,30,30);color:white"));
    m_spin->setGeometry(px(150), px(150), px(100), px(24));
    connect(m_spin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &VornGunEditDialog::sValueChangedSlot);

    auto *yes = answerButton(this, Answer::Yes, tr("Yes"), QRect(px(90), px(204), px(90), px(30)));
    connect(yes, &QToolButton::released, this, &VornGunEditDialog::OnYesClick);
    auto *no = answerButton(this, Answer::No, tr("No"), QRect(px(220), px(204), px(90), px(30)));
    connect(no, &QToolButton::released, this, &QDialog::reject);

    setDirection(direction);
    m_spin->setValue(qBound(1, distance, 120));
    m_distance = m_spin->value();
}

void VornGunEditDialog::setDirection(int direction)
{
    m_direction = qBound(0, direction, 3);
    for (int i = 0; i < 4; ++i)
        m_buttons[i]->setChecked(i == m_direction);
}

void VornGunEditDialog::OnYesClick()
{
    m_distance = m_spin->value();
    accept();
}

void VornGunEditDialog::sValueChangedSlot(int iValue)
{
    m_distance = iValue;
}

void VornGunEditDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}
