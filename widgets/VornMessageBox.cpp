#include "widgets/VornMessageBox.h"

#include "widgets/ShellState.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

VornMessageBox::ExecHook &execHook()
{
    static VornMessageBox::ExecHook hook;
    return hook;
}

const char kButtonStyle[] = "QToolButton{background-color:black;color:white;border-radius:3px;"
                            "border:1px outset red;padding:2px 8px;}"
                            "QToolButton:hover{border-color:rgb(255,80,80);}";

// The heading over the text, in the box's bold white font.
QVBoxLayout *messageTexts(QWidget *parent, const QString &heading, const QString &text)
{
    // Consolas where the system has it, else the language's own font: a
    // system without it would otherwise pick a bold monospace.
    QFont font = UiScale::languageFont();
    const QStringList families =
        font.families().isEmpty() ? QStringList{font.family()} : font.families();
    font.setFamilies(QStringList{QStringLiteral("Consolas")} + families);
    font.setWeight(QFont::Bold);
    font.setPixelSize(UiScale::scaled(14));
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::white);

    auto *label1 = new QLabel(heading, parent);
    label1->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    // Many lines (several refused values) scroll inside the box rather than
    // push its first line up under the rule.
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("msgBoxText"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("QScrollArea,QScrollArea>QWidget>QWidget"
                                         "{background:transparent}"));
    auto *label2 = new QLabel(text, scroll);
    label2->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    label2->setWordWrap(true);
    label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    scroll->setWidget(label2);
    // The scroll area makes its widget fill its background, in the light
    // window colour that the white text would vanish on.
    label2->setAutoFillBackground(false);
    QFont bold = font;
    bold.setBold(true);
    label1->setFont(bold);
    label2->setFont(font);
    label1->setPalette(palette);
    label2->setPalette(palette);

    auto *texts = new QVBoxLayout;
    texts->addWidget(label1);
    texts->addSpacing(UiScale::scaled(8));
    texts->addWidget(scroll, 1);
    return texts;
}

} // namespace

VornMessageBox::VornMessageBox(int kind, const QString &title, const QString &heading,
                               const QString &text, QWidget *parent, bool waitForDevice,
                               Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_kind(kind)
    , m_background(Skin::pixmap(QStringLiteral("/skin/dlg.png")))
{
    setWindowTitle(title);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setFixedSize(UiScale::scaled(478), UiScale::scaled(309));
    Skin::clipToBackground(this, m_background);
    // A parent's style sheet written for its own children (a panel's
    // background) would paint grey bars behind the icon and the texts.
    setStyleSheet(QStringLiteral("QLabel{background:transparent;}"));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("msgBoxIconLabel"));
    icon->setPixmap(Skin::pixmap(QStringLiteral("/skin/warn.png"))
                        .scaled(UiScale::scaled(45), UiScale::scaled(45), Qt::KeepAspectRatio,
                                Qt::SmoothTransformation));

    auto *top = new QHBoxLayout;
    top->addSpacing(UiScale::scaled(30));
    top->addWidget(icon);
    top->addSpacing(UiScale::scaled(30));
    top->addLayout(messageTexts(this, heading, text), 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(UiScale::scaled(12), UiScale::scaled(24), UiScale::scaled(12), 0);
    layout->addLayout(top, 1);
    layout->addLayout(makeButtons(kind));
    layout->addSpacing(UiScale::scaled(30));

    if (waitForDevice) {
        m_waitTimer = new QTimer(this);
        m_waitTimer->setInterval(100);
        connect(m_waitTimer, &QTimer::timeout, this, &VornMessageBox::GetPlugInSignal);
        m_waitTimer->start();
    }
}

QHBoxLayout *VornMessageBox::makeButtons(int kind)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    if (kind == YesNo) {
        QToolButton *yes =
            makeButton(tr("Yes"), QStringLiteral(":/yes_Btn"), QStringLiteral("msgBoxYesBtn"));
        QToolButton *no =
            makeButton(tr("No"), QStringLiteral(":/no_Btn"), QStringLiteral("msgBoxNoBtn"));
        connect(yes, &QToolButton::released, this, &QDialog::accept);
        connect(no, &QToolButton::released, this, &QDialog::reject);
        buttons->addWidget(yes);
        buttons->addStretch();
        buttons->addWidget(no);
    } else {
        QToolButton *ok =
            makeButton(tr("Ok"), QStringLiteral(":/yes_Btn"), QStringLiteral("msgBoxYesBtn"));
        connect(ok, &QToolButton::released, this, &QDialog::accept);
        buttons->addWidget(ok);
    }
    buttons->addStretch();
    return buttons;
}

QToolButton *VornMessageBox::makeButton(const QString &text, const QString &icon,
                                        const QString &name)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(UiScale::scaled(16), UiScale::scaled(16)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QLatin1String(kButtonStyle));
    button->setMinimumWidth(UiScale::scaled(80));
    return button;
}

void VornMessageBox::setExecHook(ExecHook hook)
{
    execHook() = std::move(hook);
}

int VornMessageBox::exec()
{
    if (execHook())
        return execHook()(this);
    return QDialog::exec();
}

void VornMessageBox::GetPlugInSignal()
{
    if (!ShellState::deviceOpen())
        return;
    m_closedByDevice = true;
    m_waitTimer->stop();
    accept();
}

void VornMessageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
}
