#include "macro/ui/VornGunsetDialog.h"

#include "macro/MacroLibrary.h"
#include "macro/ui/AnswerButtons.h"
#include "macro/ui/VornListItem.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"

#include <QBitmap>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

QLabel *whiteLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(UiScale::languageFont());
    label->setStyleSheet(QStringLiteral("color:white;background:transparent"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QSpinBox *spinBox(int min, int max, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setValue(value);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(QStringLiteral("background:rgb(30,30,30);color:white"));
    return box;
}

} // namespace

VornGunsetDialog::VornGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::Dialog)
    , m_scale(scale)
    , m_background(Skin::pixmap(QStringLiteral("/skin/dlg_gun.png")))
    , m_name(new QLineEdit(this))
    , m_bulletButton(new QPushButton(this))
    , m_bulletMenu(new VornMenu(this))
    , m_events(new QListWidget(this))
{
    setWindowTitle(tr("Gun Set"));
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(px(619), px(400));
    Skin::clipToBackground(this, m_background);

    auto *title = whiteLabel(tr("GUN SET"), this);
    QFont big = UiScale::languageFont();
    big.setBold(true);
    title->setFont(big);
    title->setGeometry(px(20), px(14), px(579), px(26));

    buildNameAndBullets();
    buildShotRows();
    m_events->hide();

    auto *yes = answerButton(this, Answer::Yes, tr("Yes"), QRect(px(190), px(334), px(90), px(30)));
    yes->setFocusPolicy(Qt::NoFocus);
    connect(yes, &QToolButton::released, this, &VornGunsetDialog::OnYesClick);
    auto *no = answerButton(this, Answer::No, tr("No"), QRect(px(340), px(334), px(90), px(30)));
    no->setFocusPolicy(Qt::NoFocus);
    connect(no, &QToolButton::released, this, &QDialog::reject);

    setBullets(kMaxGunShots);
}

void VornGunsetDialog::buildNameAndBullets()
{
    whiteLabel(tr("GUNFILE NAME"), this)->setGeometry(px(20), px(56), px(154), px(24));
    m_name->setObjectName(QStringLiteral("gunName"));
    m_name->setMaxLength(100);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setStyleSheet(
        QStringLiteral("border-width:2px;background-color:rgb(30,30,30);color:white;"
                       "QToolTip{background-color:black}"));
    m_name->setGeometry(px(178), px(56), px(204), px(24));

    whiteLabel(tr("BULLETS"), this)->setGeometry(px(388), px(56), px(100), px(24));
    m_bulletButton->setObjectName(QStringLiteral("bulletButton"));
    m_bulletButton->setGeometry(px(494), px(56), px(60), px(24));
    m_bulletButton->setFont(UiScale::languageFont());
    m_bulletButton->setStyleSheet(
        QStringLiteral("QPushButton{border-image:url(%1);color:white;text-align:left;"
                       "padding-left:8px}QPushButton::menu-indicator{image:none}")
            .arg(Skin::path(QStringLiteral("/skin/bulletsel.png"))));
    for (int i = 1; i <= kMaxGunShots; ++i) {
        auto *action = new VornAction(QString::number(i), m_bulletMenu);
        m_bulletMenu->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setBullets(i); });
    }
    m_bulletButton->setMenu(m_bulletMenu);
}

// The slider, the column heads and one row of fields per shot.
void VornGunsetDialog::buildShotRows()
{
    auto *slider = new QLabel(this);
    slider->setPixmap(Skin::pixmap(QStringLiteral("/skin/gunset_slider.png")));
    slider->setScaledContents(true);
    slider->setGeometry(px(160), px(92), px(300), px(12));

    whiteLabel(tr("DELAY(MS)"), this)->setGeometry(px(150), px(112), px(110), px(22));
    whiteLabel(tr("Y"), this)->setGeometry(px(290), px(112), px(110), px(22));
    whiteLabel(tr("X"), this)->setGeometry(px(430), px(112), px(110), px(22));
    for (int i = 0; i < kMaxGunShots; ++i) {
        Row &row = m_rows[i];
        const int y = px(140 + 36 * i);
        row.bullet = new QLabel(this);
        row.bullet->setPixmap(Skin::pixmap(QStringLiteral("/skin/gunset_bullet.png")));
        row.bullet->setScaledContents(true);
        row.bullet->setGeometry(px(100), y, px(12), px(30));
        row.delay = spinBox(1, 999, 100, this);
        row.y = spinBox(-100, 100, 0, this);
        row.x = spinBox(-100, 100, 0, this);
        row.delay->setGeometry(px(150), y + px(3), px(110), px(24));
        row.y->setGeometry(px(290), y + px(3), px(110), px(24));
        row.x->setGeometry(px(430), y + px(3), px(110), px(24));
    }
}

void VornGunsetDialog::setBullets(int count)
{
    m_bullets = qBound(1, count, kMaxGunShots);
    m_bulletButton->setText(QString::number(m_bullets));
    for (int i = 0; i < kMaxGunShots; ++i) {
        const bool shown = i < m_bullets;
        m_rows[i].bullet->setVisible(shown);
        m_rows[i].delay->setVisible(shown);
        m_rows[i].y->setVisible(shown);
        m_rows[i].x->setVisible(shown);
    }
}

QVector<MacroEvent> VornGunsetDialog::events() const
{
    QVector<MacroEvent> events;
    for (int i = 0; i < m_events->count(); ++i) {
        if (auto *row = qobject_cast<VornListItem *>(m_events->itemWidget(m_events->item(i))))
            events << row->event();
    }
    return events;
}

bool VornGunsetDialog::writeGunFile(const QString &name) const
{
    return ::writeGunFile(name, events());
}

void VornGunsetDialog::OnYesClick()
{
    const QString name = m_name->text();
    QString problem;
    if (name.isEmpty())
        problem = tr("Please input file name.");
    else if (!isSafeMacroName(name))
        problem = unsafeMacroNameMessage(name);
    if (!problem.isEmpty()) {
        VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"), problem, this);
        box.exec();
        return;
    }
    QVector<GunShot> shots;
    for (int i = 0; i < m_bullets; ++i)
        shots << GunShot{m_rows[i].delay->value(), m_rows[i].y->value(), m_rows[i].x->value()};
    m_events->clear();
    for (const MacroEvent &e : gunSetEvents(shots)) {
        auto *item = new QListWidgetItem(m_events);
        VornListItem::decorate(item, e);
        m_events->setItemWidget(item, new VornListItem(e, macroEventText(e)));
    }
    m_fileName = name;
    accept();
}

void VornGunsetDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}
