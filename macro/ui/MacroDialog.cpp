#include "macro/ui/MacroDialog.h"

#include "macro/MacroLog.h"
#include "macro/ui/VornCheckButton.h"
#include "macro/ui/VornTreeWidget.h"
#include "widgets/DesignLayout.h"
#include "widgets/Skin.h"
#include "widgets/StrictIntValidator.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

#include <QHideEvent>
#include <QListWidget>
#include <QPainter>
#include <QTimer>

namespace {

using namespace MacroPageLayout;

} // namespace

MacroDialog::MacroDialog(QWidget *parent, KeyboardCapture *capture)
    : SettingsPanel(parent)
    , m_background(QStringLiteral("/skin/macro_back.png"))
    , m_macroNameLabel(new VornLabel(QString(), this))
    , m_mouseActionLabel(new VornLabel(QString(), this))
    , m_msLabel(new VornLabel(QStringLiteral("ms"), this))
    , m_macroList(new QListWidget(this))
    , m_eventList(new QListWidget(this))
    , m_tree(new VornTreeWidget(this))
    , m_nameEdit(new VornLineEdit(this))
    , m_defaultDelay(new VornLineEdit(this))
    , m_loopTime(new VornLineEdit(this))
    , m_events(new MacroEventList(this))
    , m_view(new MacroEventView(m_eventList, m_events, this))
    , m_library(new MacroLibraryCommands(this, m_macroList, m_nameEdit))
    , m_recording(
          new MacroRecordingController(capture, m_events, m_macroList, m_defaultDelay, this))
{
    setObjectName(QStringLiteral("MacroDialog"));
    connect(m_library, &MacroLibraryCommands::loadRequested, this, &MacroDialog::loadMacro);
    connect(m_library, &MacroLibraryCommands::freshMacro, this, &MacroDialog::startFreshMacro);
    connect(m_library, &MacroLibraryCommands::batchChanged, this,
            [this](bool on) { enableForBatch(!on); });
    connect(m_recording, &MacroRecordingController::rowsRecorded, m_macroNameLabel,
            [this] { m_macroNameLabel->setFocus(); });
    buildControls();
    m_library->fillList();
    retranslate();
    loadMacro(m_library->selected());
}

MacroDialog::~MacroDialog() = default;

void MacroDialog::buildControls()
{
    m_macroList->setObjectName(QStringLiteral("macroList"));
    m_eventList->setObjectName(QStringLiteral("eventList"));
    m_nameEdit->setObjectName(QStringLiteral("macroName"));
    m_defaultDelay->setObjectName(QStringLiteral("defaultDelay"));
    m_loopTime->setObjectName(QStringLiteral("loopTime"));
    m_eventList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_macroNameLabel->setFocusPolicy(Qt::ClickFocus);

    m_defaultDelay->setMaxLength(5);
    m_defaultDelay->setValidator(new StrictIntValidator(0, 65535, m_defaultDelay));
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setMaxLength(3);
    m_loopTime->setValidator(new StrictIntValidator(1, 255, m_loopTime));
    m_loopTime->setText(QStringLiteral("1"));
    const QString fieldStyle =
        QStringLiteral("border:1px solid rgb(80,80,80);background:rgb(30,30,30);color:white");
    for (QLineEdit *edit : {m_nameEdit, m_defaultDelay, m_loopTime}) {
        edit->setStyleSheet(fieldStyle);
        edit->setAlignment(Qt::AlignCenter);
    }

    const QStringList faces{QStringLiteral("/skin/button_1.png"),
                            QStringLiteral("/skin/button_2.png"),
                            QStringLiteral("/skin/button_3.png")};
    for (const Place &place : kPlaces) {
        if (m_controls[place.control])
            continue;
        QAbstractButton *button = nullptr;
        if (place.image) {
            QStringList images;
            for (int s = 1; s <= 3; ++s)
                images << QStringLiteral("/skin/%1_%2.png").arg(QLatin1String(place.image)).arg(s);
            button = new VornPushButton(images, this);
        } else if (place.control >= RecordDelays) {
            button = new VornCheckButton(QStringLiteral("checkbox1"), QString(), this);
        } else {
            button = new VornPushButton(faces, this);
        }
        m_controls[place.control] = button;
        m_controlOf.insert(button, place.control);
        connect(button, &QAbstractButton::clicked, this, &MacroDialog::OnButtonClicked);
    }
    m_controls[Stop]->hide();
    m_tree->hide();
    m_mouseActionLabel->hide();

    connect(m_tree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    for (int i = 0; i < VornTreeWidget::kMoveCount; ++i)
        connect(m_tree->move(i), &VornTreeItem::MouseInSignal, this, &MacroDialog::mousemove_test);
    connect(m_macroList, &QListWidget::clicked, this, &MacroDialog::itemClicked);
    connect(m_eventList, &QListWidget::doubleClicked, this, &MacroDialog::itemDoubleClicked);
    connect(m_eventList, &QListWidget::clicked, this, &MacroDialog::itemClicked2);
    connect(m_eventList, &QListWidget::currentRowChanged, this, &MacroDialog::rowMacroListChanged);
    connect(m_defaultDelay, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    connect(m_loopTime, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);
    rescale();
}

QRect MacroDialog::designRect() const
{
    return DesignLayout::kMacroPanel;
}

void MacroDialog::loadRecord(ProfileStore &store)
{
    // Macros live in their files; the profiles only name them. A reload
    // (another mode, another mouse) must not leave the keyboard held.
    Q_UNUSED(store)
    endRecording();
}

void MacroDialog::endRecording()
{
    if (m_recording->isRecording())
        stopRecording(true);
}

void MacroDialog::hideEvent(QHideEvent *event)
{
    // Whatever takes the page away (another tab, a reload, the tray) ends
    // the recording: the STOP button is out of reach from then on.
    SettingsPanel::hideEvent(event);
    if (!event->spontaneous())
        endRecording();
}

void MacroDialog::retranslate()
{
    m_macroNameLabel->setText(tr("MACRO NAME"));
    m_mouseActionLabel->setText(tr("MOUSE ACTION"));
    m_tree->retranslate();
    for (const Place &place : kPlaces) {
        if (place.image)
            m_controls[place.control]->setToolTip(tr(place.text));
        else
            m_controls[place.control]->setText(tr(place.text));
    }
    // Gun files are offered in the Chinese interfaces only.
    m_controls[GunSet]->setVisible(UiScale::languageIndex() == 1 || UiScale::languageIndex() == 2);
    m_events->retranslate();
}

void MacroDialog::rescale()
{
    const QFont font = UiScale::languageFont();
    for (const Place &place : kPlaces) {
        m_controls[place.control]->setGeometry(UiScale::scaled(place.rect));
        m_controls[place.control]->setFont(font);
    }
    m_macroNameLabel->setGeometry(UiScale::scaled(kMacroNameLabel));
    m_mouseActionLabel->setGeometry(UiScale::scaled(kMacroNameLabel));
    m_macroList->setGeometry(UiScale::scaled(kMacroList));
    m_tree->setGeometry(UiScale::scaled(kMacroList));
    m_nameEdit->setGeometry(UiScale::scaled(kNameEdit));
    m_eventList->setGeometry(UiScale::scaled(kEventList));
    m_defaultDelay->setGeometry(UiScale::scaled(kDefaultDelay));
    m_msLabel->setGeometry(UiScale::scaled(kMsLabel));
    m_loopTime->setGeometry(UiScale::scaled(kLoopTime));
    for (QWidget *w : std::initializer_list<QWidget *>{m_macroNameLabel, m_mouseActionLabel,
                                                       m_msLabel, m_macroList, m_eventList, m_tree,
                                                       m_nameEdit, m_defaultDelay, m_loopTime})
        w->setFont(font);
    const QString style = designStyleSheet();
    m_macroList->setStyleSheet(style);
    m_eventList->setStyleSheet(style);
    m_tree->setStyleSheet(style);
    const int icon = UiScale::scaled(16);
    m_eventList->setIconSize(QSize(icon, icon));
}

// Row heights follow the size class: 26 px at 1.0, about 6.5 px more per
// quarter step.
QString MacroDialog::designStyleSheet() const
{
    const int sizeClass = qBound(0, int((UiScale::factor() - 1.0) / 0.25 + 0.5), 16);
    const int height = int(26 + 6.5 * sizeClass);
    return QStringLiteral("QListWidget,QTreeWidget{background:rgb(24,25,27);color:white;"
                          "border:1px solid rgb(48,50,54);}"
                          "QListWidget::item,QTreeWidget::item{height:%1px;color:white}"
                          "QListWidget::item:selected,QTreeWidget::item:selected{"
                          "background:rgb(110,10,16)}"
                          "QHeaderView::section{background:rgb(33,35,35);color:white;border:0}")
        .arg(height);
}

void MacroDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background.get());
}

void MacroDialog::warn(const QString &text)
{
    showMacroWarning(this, text);
}

// ---- the macro file -------------------------------------------------------

void MacroDialog::setOptionsFromFile(int delayType, int loopType)
{
    m_controls[RecordDelays]->setChecked(delayType == kRecordDelays);
    m_controls[DefaultDelays]->setChecked(delayType == kDefaultDelays);
    m_events->setDelayType(delayType);
    for (int i = 0; i < 3; ++i)
        m_controls[kLoopOptions[i]]->setChecked(loopType == i + 1);
}

void MacroDialog::startFreshMacro(int delayType)
{
    for (Control c : kOptions)
        m_controls[c]->setChecked(delayType == kRecordDelays && c == RecordDelays);
    m_events->setDelayType(delayType);
    m_events->clear();
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
}

void MacroDialog::loadMacro(const QString &name)
{
    m_library->setCurrent(name);
    if (name.isEmpty()) {
        m_events->clear();
        return;
    }
    const MacroFileData macro = readMacroFile(name);
    setOptionsFromFile(macro.delayType, macro.loopType);
    m_defaultDelay->setText(QString::number(macro.defaultDelay));
    m_loopTime->setText(QString::number(macro.loopTime));
    QVector<MacroRow> loaded;
    for (int i = 0; i < macro.events.size(); ++i)
        loaded << MacroRow{macro.events.at(i), macro.texts.value(i)};
    m_events->setRows(loaded, loaded.isEmpty() ? -1 : 0);
}

bool MacroDialog::saveMacro()
{
    const QString name = m_library->selected();
    if (name.isEmpty())
        return false;
    MacroFileData macro;
    macro.defaultDelay = m_defaultDelay->text().toInt();
    macro.delayType = m_events->delayType();
    for (int i = 0; i < 3; ++i) {
        if (m_controls[kLoopOptions[i]]->isChecked())
            macro.loopType = i + 1;
    }
    macro.loopTime = m_loopTime->text().toInt();
    macro.events = m_events->events();
    if (!writeMacroFile(name, macro)) {
        warn(tr("THE MACRO FILE COULD NOT BE WRITTEN."));
        return false;
    }
    if (macroLosesTailInMouse(macro.events))
        warn(macroTailLostMessage());
    return true;
}

// ---- commands -------------------------------------------------------------

void MacroDialog::OnButtonClicked()
{
    const auto found = m_controlOf.constFind(sender());
    if (found == m_controlOf.constEnd())
        return;
    const Control c = found.value();
    switch (c) {
    case Start:
    case RecordAfter:
        startRecording(c == RecordAfter);
        break;
    case Stop:
        stopRecording();
        break;
    case Save:
        saveMacro();
        break;
    case CancelEdit:
        loadMacro(m_library->selected());
        break;
    case MouseAction: {
        const bool on = m_controls[MouseAction]->isChecked();
        m_tree->setVisible(on);
        m_mouseActionLabel->setVisible(on);
        m_macroNameLabel->setVisible(!on);
        m_macroList->setVisible(!on);
        break;
    }
    case RecordDelays:
    case DefaultDelays:
    case LoopTimes:
    case RepeatWhileDown:
    case RepeatUntilPressed:
        setOption(c, m_controls[c]->isChecked());
        break;
    default:
        if (!m_library->run(c))
            m_view->run(c);
        break;
    }
}

void MacroDialog::setOption(Control c, bool on)
{
    switch (c) {
    case RecordDelays:
        m_events->setDelayType(on ? kRecordDelays : kNoDelays);
        if (!on)
            m_controls[DefaultDelays]->setChecked(false);
        break;
    case DefaultDelays:
        if (on) {
            m_events->setDelayType(kDefaultDelays);
            m_controls[RecordDelays]->setChecked(true);
        } else {
            m_events->setDelayType(m_controls[RecordDelays]->isChecked() ? kRecordDelays
                                                                         : kNoDelays);
        }
        break;
    default:
        for (Control loop : kLoopOptions) {
            if (loop != c && on)
                m_controls[loop]->setChecked(false);
        }
        break;
    }
}

void MacroDialog::enableForRecording(bool enable)
{
    for (int c = 0; c < ControlCount; ++c) {
        if (!staysWhileRecording(Control(c)))
            m_controls[c]->setEnabled(enable);
    }
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_defaultDelay, m_loopTime, m_nameEdit, m_macroList})
        w->setEnabled(enable);
}

void MacroDialog::enableForBatch(bool enable)
{
    for (int c = 0; c < ControlCount; ++c) {
        if (!staysInBatch(Control(c)))
            m_controls[c]->setEnabled(enable);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_defaultDelay, m_loopTime, m_nameEdit})
        w->setEnabled(enable);
}

void MacroDialog::startRecording(bool after)
{
    m_view->endEdit();
    m_recording->start(after, m_eventList->currentRow());
    m_controls[Start]->hide();
    m_controls[Stop]->show();
    if (m_macroList->count() == 0)
        return; // nothing to record into
    enableForRecording(false);
    emit EnableButtonsSignal(false);
    m_macroNameLabel->setFocus();
    m_recording->takeKeyboard(window());
}

void MacroDialog::stopRecording(bool warnLater)
{
    QStringList warnings;
    const bool recorded = m_recording->stop(&warnings);
    m_controls[Start]->show();
    m_controls[Stop]->hide();
    enableForRecording(true);
    emit EnableButtonsSignal(true);
    if (!recorded)
        return;
    saveMacro();
    const auto show = [this, warnings] {
        for (const QString &text : warnings)
            warn(text);
    };
    if (warnLater)
        QTimer::singleShot(0, this, show);
    else
        show();
}

// ---- slots ----------------------------------------------------------------

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (!item)
        return;
    QVector<MacroEvent> commands;
    if (QTreeWidgetItem *parent = item->parent()) {
        const int button = m_tree->indexOfTopLevelItem(parent);
        commands << mouseButtonEvent(button, parent->indexOfChild(item) == 0);
    } else {
        const int index = m_tree->indexOfTopLevelItem(item);
        if (index < VornTreeWidget::kButtonCount) {
            if (!item->isExpanded()) {
                m_tree->collapseAll();
                item->setExpanded(true);
                return;
            }
            commands << mouseButtonEvent(index, true) << mouseButtonEvent(index, false);
        } else {
            const int direction = index - VornTreeWidget::kButtonCount;
            const int distance = m_tree->move(direction)->distance();
            if (distance < 1 || distance > 120)
                return;
            commands << ::mouseMoveEvent(direction, distance);
        }
    }
    m_view->insert(m_events->withDelays(commands, m_defaultDelay->text()));
}

void MacroDialog::itemClicked(const QModelIndex &index)
{
    if (m_library->isBatch())
        return;
    const QString name = m_macroList->item(index.row())->data(Qt::UserRole).toString();
    loadMacro(name);
}

void MacroDialog::itemClicked2(const QModelIndex &index)
{
    if (index.row() != m_view->editRow())
        m_view->endEdit();
}

void MacroDialog::itemDoubleClicked(const QModelIndex &index)
{
    m_view->edit(index.row());
}

void MacroDialog::rowMacroListChanged(int iRow)
{
    if (m_view->editRow() >= 0 && m_view->editRow() != iRow)
        m_view->endEdit();
    qCDebug(lcMacro, "rowMacroListChanged into %d", iRow);
    m_eventList->setFocus();
}

void MacroDialog::itemMacroListChanged(QListWidgetItem *item)
{
    Q_UNUSED(item)
    m_view->forgetEdit();
    m_eventList->setFocus();
}

void MacroDialog::DefDelayChanged(const QString &text)
{
    qCDebug(lcMacro, "%s", qPrintable(text));
}

void MacroDialog::LoopTimeChanged(const QString &text)
{
    qCDebug(lcMacro, "%s", qPrintable(text));
}

void MacroDialog::mousemove_test()
{
    qCDebug(lcMacro, "mousemove_test\n");
    m_tree->update();
}
