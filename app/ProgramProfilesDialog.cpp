#include "app/ProgramProfilesDialog.h"

#include "macro/ui/AnswerButtons.h"
#include "macro/ui/VornCheckButton.h"
#include "platform/FrontWindow.h"
#include "store/ProductConfig.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QToolButton>

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 428;
constexpr int kModeRole = Qt::UserRole;

int px(int design)
{
    return UiScale::scaled(design);
}

QString modeText(int mode)
{
    if (mode == 0)
        return ProgramProfilesDialog::tr("Stay");
    return QCoreApplication::translate("MousecfgWidget", "Mode") + QStringLiteral(" %1").arg(mode);
}

const char kDropdownStyle[] = "QPushButton{border-image:url(%1);color:white;text-align:left;"
                              "padding-left:8px}QPushButton::menu-indicator{image:none}";

} // namespace

ProgramProfilesDialog::ProgramProfilesDialog(const FrontWindow *front, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_front(front)
    , m_background(Skin::pixmap(QStringLiteral("/skin/dlg.png")))
    , m_title(new QLabel(tr("Program Profiles"), this))
    , m_note(new QLabel(this))
    , m_enabled(new VornCheckButton(QStringLiteral("checkbox2"),
                                    tr("Switch the mode for the program in front"), this))
    , m_table(new QTableWidget(0, 2, this))
    , m_name(new VornLineEdit(this))
    , m_add(new VornPushButton(Skin::buttonImages("button"), this))
    , m_open(new QPushButton(this))
    , m_openMenu(new VornMenu(this))
    , m_remove(new VornPushButton(Skin::buttonImages("button"), this))
    , m_defaultCaption(new QLabel(tr("Other programs:"), this))
{
    setObjectName(QStringLiteral("programProfilesDialog"));
    setWindowTitle(tr("Program Profiles"));
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(px(kWidth), px(kHeight));
    Skin::clipToBackground(this, m_background);
    setStyleSheet(QStringLiteral("QLabel{background:transparent;color:white}"));
    placeWidgets();

    m_enabled->setCheckable(true);
    m_table->setHorizontalHeaderLabels({tr("Program"), tr("Mode")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(px(26));
    m_table->horizontalHeader()->setFont(UiScale::languageFont());
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_table->setColumnWidth(1, px(100));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setStyleSheet(QStringLiteral(
        "QTableWidget{background:rgb(30,30,30);color:white;gridline-color:rgb(48,50,54);"
        "border:1px solid rgb(48,50,54);selection-background-color:rgb(140,20,20)}"));
    m_table->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section{background:rgb(20,20,20);color:rgb(150,152,156);"
                       "border:0px;padding-left:6px}"));
    m_name->setObjectName(QStringLiteral("programName"));
    m_name->setMaxLength(kMaxProgramNameLength);
    m_name->setPlaceholderText(tr("Executable or window class"));
    m_name->setStyleSheet(QStringLiteral("border:1px;background:rgb(30,30,30);color:white"));
    m_add->setObjectName(QStringLiteral("addProgram"));
    m_add->setText(tr("Add"));
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (addProgram(m_name->text().trimmed()))
            m_name->clear();
    });
    connect(m_name, &QLineEdit::returnPressed, m_add, &QPushButton::click);
    m_remove->setObjectName(QStringLiteral("removeProgram"));
    m_remove->setText(tr("Remove"));
    connect(m_remove, &QPushButton::clicked, this, &ProgramProfilesDialog::removeSelected);
    m_open->setObjectName(QStringLiteral("openPrograms"));
    m_open->setText(tr("Open programs"));
    m_open->setStyleSheet(QString::fromLatin1(kDropdownStyle)
                              .arg(Skin::path(QStringLiteral("/skin/profilesel.png"))));
    m_open->setMenu(m_openMenu);
    // Enter in the name field adds it; it never closes the dialog.
    for (QPushButton *b : {m_add, m_open, m_remove})
        b->setAutoDefault(false);
    connect(m_openMenu, &QMenu::aboutToShow, this, &ProgramProfilesDialog::fillOpenPrograms);

    const FrontWindow::Reach reach = FrontWindow::reach();
    if (reach == FrontWindow::Reach::XProgramsOnly)
        m_note->setText(tr("On Wayland the program in front cannot be known: only programs "
                           "that run under X11 (XWayland) are followed."));
    else if (reach == FrontWindow::Reach::Unknown || (m_front && !m_front->watching()))
        m_note->setText(tr("The program in front cannot be known on this desktop: the mode "
                           "does not follow it."));

    const ProgramRules stored = readProgramRules(productConfigPath());
    m_enabled->setChecked(stored.enabled);
    for (const ProgramRule &rule : stored.rules)
        addRow(rule);
    m_default = modeButton(stored.defaultMode, true, [this](int mode) { setDefaultMode(mode); });
    m_default->setObjectName(QStringLiteral("defaultMode"));
    m_default->setGeometry(UiScale::scaled({200, 314, 130, 24}));
    setDefaultMode(stored.defaultMode);

    auto *ok = answerButton(this, Answer::Yes, tr("OK"), UiScale::scaled({110, 382, 90, 30}));
    ok->setFocusPolicy(Qt::NoFocus);
    ok->setFont(UiScale::languageFont());
    ok->setIconSize(QSize(px(16), px(16)));
    connect(ok, &QToolButton::released, this, &ProgramProfilesDialog::accept);
    auto *cancel =
        answerButton(this, Answer::No, tr("Cancel"), UiScale::scaled({278, 382, 90, 30}));
    cancel->setFocusPolicy(Qt::NoFocus);
    cancel->setFont(UiScale::languageFont());
    cancel->setIconSize(QSize(px(16), px(16)));
    connect(cancel, &QToolButton::released, this, &QDialog::reject);
}

void ProgramProfilesDialog::placeWidgets()
{
    const QFont font = UiScale::languageFont();
    QFont bold = font;
    bold.setBold(true);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_note, m_enabled, m_table, m_name, m_add, m_open,
                                          m_openMenu, m_remove, m_defaultCaption})
        w->setFont(font);
    m_title->setFont(bold);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setGeometry(UiScale::scaled({20, 18, 438, 24}));
    m_enabled->setGeometry(UiScale::scaled({34, 50, 410, 24}));
    m_table->setGeometry(UiScale::scaled({34, 82, 290, 186}));
    m_open->setGeometry(UiScale::scaled({334, 82, 112, 24}));
    m_remove->setGeometry(UiScale::scaled({334, 114, 112, 26}));
    m_name->setGeometry(UiScale::scaled({34, 278, 290, 24}));
    m_add->setGeometry(UiScale::scaled({334, 277, 112, 26}));
    m_defaultCaption->setGeometry(UiScale::scaled({34, 314, 160, 24}));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color:rgb(150,152,156)"));
    m_note->setGeometry(UiScale::scaled({34, 342, 412, 34}));
}

QPushButton *ProgramProfilesDialog::modeButton(int mode, bool withStay,
                                               const std::function<void(int)> &chosen)
{
    auto *button = new QPushButton(modeText(mode), this);
    button->setFont(UiScale::languageFont());
    button->setStyleSheet(QString::fromLatin1(kDropdownStyle)
                              .arg(Skin::path(QStringLiteral("/skin/profilesel.png"))));
    auto *menu = new VornMenu(button);
    menu->setFont(UiScale::languageFont());
    for (int m = withStay ? 0 : 1; m <= 5; ++m) {
        auto *action = new VornAction(modeText(m), menu);
        menu->addAction(action);
        connect(action, &QAction::triggered, button, [button, chosen, m] {
            button->setText(modeText(m));
            chosen(m);
        });
    }
    button->setMenu(menu);
    return button;
}

void ProgramProfilesDialog::addRow(const ProgramRule &rule)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, 0, new QTableWidgetItem(rule.program));
    auto *modeItem = new QTableWidgetItem;
    modeItem->setData(kModeRole, rule.mode);
    m_table->setItem(row, 1, modeItem);
    // The row is found again by its item: rows above may be removed.
    m_table->setCellWidget(row, 1, modeButton(rule.mode, false, [modeItem](int mode) {
                               modeItem->setData(kModeRole, mode);
                           }));
}

bool ProgramProfilesDialog::addProgram(const QString &program)
{
    if (!isValidProgramName(program))
        return false;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, 0)->text().compare(program, Qt::CaseInsensitive) == 0) {
            m_table->selectRow(row);
            return true;
        }
    }
    if (m_table->rowCount() >= kMaxProgramRules)
        return false;
    addRow({program, 1});
    m_table->selectRow(m_table->rowCount() - 1);
    return true;
}

void ProgramProfilesDialog::removeSelected()
{
    const QList<QTableWidgetItem *> selected = m_table->selectedItems();
    if (!selected.isEmpty())
        m_table->removeRow(selected.first()->row());
}

void ProgramProfilesDialog::setDefaultMode(int mode)
{
    m_defaultMode = qBound(0, mode, 5);
    m_default->setText(modeText(m_defaultMode));
}

void ProgramProfilesDialog::fillOpenPrograms()
{
    m_openMenu->clear();
    const QVector<FrontProgram> programs =
        m_front ? m_front->openPrograms() : QVector<FrontProgram>();
    for (const FrontProgram &program : programs) {
        const QString name =
            program.executable.isEmpty() ? program.windowClass : program.executable;
        QString text = name;
        if (!program.windowClass.isEmpty() && program.windowClass != name)
            text += QStringLiteral("  (%1)").arg(program.windowClass);
        auto *action = new VornAction(text, m_openMenu);
        m_openMenu->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { addProgram(name); });
    }
    if (programs.isEmpty()) {
        auto *none = new VornAction(tr("(none found)"), m_openMenu);
        none->setEnabled(false);
        m_openMenu->addAction(none);
    }
}

ProgramRules ProgramProfilesDialog::rules() const
{
    ProgramRules rules;
    rules.enabled = m_enabled->isChecked();
    rules.defaultMode = m_defaultMode;
    for (int row = 0; row < m_table->rowCount(); ++row)
        rules.rules.append(
            {m_table->item(row, 0)->text(), m_table->item(row, 1)->data(kModeRole).toInt()});
    return rules;
}

void ProgramProfilesDialog::accept()
{
    if (!writeProgramRules(productConfigPath(), rules())) {
        VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"),
                           tr("The program profiles could not be saved."), this);
        box.exec();
        return;
    }
    QDialog::accept();
}

void ProgramProfilesDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
}
