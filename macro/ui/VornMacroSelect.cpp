#include "macro/ui/VornMacroSelect.h"

#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "macro/ui/AnswerButtons.h"
#include "macro/ui/VornCheckButton.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornMenu.h"

#include "widgets/StrictIntValidator.h"
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

int px(int design)
{
    return UiScale::scaled(design);
}

} // namespace

VornMacroSelect::VornMacroSelect(const QString &title, const QString &name, int loopCount,
                                 int loopType, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::Dialog)
    , m_background(Skin::pixmap(QStringLiteral("/skin/dlg.png")))
    , m_title(new QLabel(title, this))
    , m_nameButton(new QPushButton(this))
    , m_menu(new VornMenu(this))
    , m_count(new QLineEdit(this))
    , m_warning(new QLabel(this))
{
    setWindowTitle(title);
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(px(478), px(309));
    Skin::clipToBackground(this, m_background);
    const QFont font = UiScale::languageFont();

    QFont bold = font;
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setStyleSheet(QStringLiteral("color:white;background:transparent"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setGeometry(px(20), px(18), px(438), px(24));

    m_nameButton->setObjectName(QStringLiteral("macroSelectButton"));
    m_nameButton->setFont(font);
    m_nameButton->setStyleSheet(
        QStringLiteral("QPushButton{border-image:url(%1);color:white;text-align:left;"
                       "padding-left:8px}QPushButton::menu-indicator{image:none}")
            .arg(Skin::path(QStringLiteral("/skin/profilesel.png"))));
    m_nameButton->setGeometry(px(164), px(56), px(150), px(24));
    for (const QString &macro : macroLibrary()) {
        auto *action = new VornAction(macro, m_menu);
        m_menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, macro] { setMacroName(macro); });
    }
    m_nameButton->setMenu(m_menu);

    m_warning->setObjectName(QStringLiteral("macroSelectWarning"));
    m_warning->setFont(font);
    m_warning->setWordWrap(true);
    m_warning->setAlignment(Qt::AlignCenter);
    m_warning->setStyleSheet(QStringLiteral("color:rgb(255,90,90);background:transparent"));
    m_warning->setGeometry(px(40), px(84), px(398), px(40));

    const char *const labels[] = {QT_TR_NOOP("LOOPS TIME(1-255)"),
                                  QT_TR_NOOP("REPEAT RUN WHEN KEY DOWN"),
                                  QT_TR_NOOP("REPEAT RUN UNTILL THE KEY DOWN")};
    for (int i = 0; i < 3; ++i) {
        m_loops[i] = new VornCheckButton(QStringLiteral("checkbox2"), tr(labels[i]), this);
        m_loops[i]->setGeometry(px(90), px(130 + 32 * i), px(260), px(24));
        connect(m_loops[i], &QPushButton::clicked, this, [this, i] { setLoopType(i); });
    }
    m_count->setObjectName(QStringLiteral("macroSelectCount"));
    m_count->setMaxLength(3);
    m_count->setValidator(new StrictIntValidator(1, 255, m_count));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setStyleSheet(QStringLiteral("border:1px;background:rgb(30,30,30);color:white"));
    m_count->setGeometry(px(330), px(130), px(50), px(24));
    m_count->setText(QString::number(loopCount));

    auto *yes = answerButton(this, Answer::Yes, tr("Yes"), QRect(px(110), px(246), px(90), px(30)));
    yes->setFocusPolicy(Qt::NoFocus);
    connect(yes, &QToolButton::released, this, &QDialog::accept);
    m_yes = yes;
    auto *no = answerButton(this, Answer::No, tr("No"), QRect(px(278), px(246), px(90), px(30)));
    no->setFocusPolicy(Qt::NoFocus);
    connect(no, &QToolButton::released, this, &QDialog::reject);

    // A new assignment starts on the library's first macro: Yes must never
    // store an empty one. With an empty library there is nothing to take.
    const QStringList library = macroLibrary();
    setMacroName(name.isEmpty() && !library.isEmpty() ? library.first() : name);
    setLoopType(loopType);
}

std::optional<MacroChoice> VornMacroSelect::choose(QWidget *parent, const QString &title,
                                                   const MacroChoice &current, bool gunFile)
{
    Q_UNUSED(gunFile)
    VornMacroSelect dialog(title, current.name, current.loopCount, current.loopMode, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return MacroChoice{dialog.macroName(), dialog.loopCount(), dialog.loopType()};
}

void VornMacroSelect::setMacroName(const QString &name)
{
    m_name = name;
    m_nameButton->setText(name);
    if (m_yes)
        m_yes->setEnabled(!name.isEmpty());
    const bool losesTail = !name.isEmpty() && macroLosesTailInMouse(readMacroEventsForUpload(name));
    m_warning->setText(losesTail ? macroTailLostMessage() : QString());
}

int VornMacroSelect::loopType() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_loops[i]->isChecked())
            return i;
    }
    return 0;
}

void VornMacroSelect::setLoopType(int type)
{
    for (int i = 0; i < 3; ++i)
        m_loops[i]->setChecked(i == type);
}

// An emptied field counts as one run rather than none.
int VornMacroSelect::loopCount() const
{
    return qBound(1, m_count->text().toInt(), 255);
}

QString VornMacroSelect::warning() const
{
    return m_warning->text();
}

void VornMacroSelect::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}
