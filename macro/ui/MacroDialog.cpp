#include "macro/ui/MacroDialog.h"

#include "macro/GunSet.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroLog.h"
#include "macro/ui/VornCheckButton.h"
#include "macro/ui/VornGunEditDialog.h"
#include "macro/ui/VornGunsetDialog.h"
#include "macro/ui/VornListItem.h"
#include "macro/ui/VornTreeWidget.h"
#include "platform/KeyboardCapture.h"
#include "widgets/DesignLayout.h"
#include "widgets/FileDialogs.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"

#include "widgets/StrictIntValidator.h"
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHideEvent>
#include <QListWidget>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

const QString kMacroFileSuffix = QStringLiteral(".MSMACRO");

MacroDialog::FileDialogHook &fileDialogHook()
{
    static MacroDialog::FileDialogHook hook;
    return hook;
}

// Design places inside the page (664 x 466).
struct Place
{
    MacroDialog::Control control;
    QRect rect;
};

constexpr QRect kMacroNameLabel{12, 8, 130, 22};
constexpr QRect kMacroList{12, 36, 194, 326};
constexpr QRect kNameEdit{232, 8, 220, 22};
constexpr QRect kEventList{232, 36, 220, 360};
constexpr QRect kDefaultDelay{500, 124, 60, 20};
constexpr QRect kMsLabel{564, 124, 30, 20};
constexpr QRect kLoopTime{500, 186, 60, 20};

const Place kPlaces[] = {
    {MacroDialog::NewMacro, {146, 8, 22, 22}},
    {MacroDialog::DeleteMacro, {172, 8, 22, 22}},
    {MacroDialog::Batch, {12, 372, 194, 24}},
    {MacroDialog::Import, {12, 402, 194, 24}},
    {MacroDialog::Export, {12, 432, 194, 24}},
    {MacroDialog::RowDelete, {232, 404, 20, 20}},
    {MacroDialog::RowTop, {254, 404, 20, 20}},
    {MacroDialog::RowBottom, {276, 404, 20, 20}},
    {MacroDialog::RowUp, {298, 404, 20, 20}},
    {MacroDialog::RowDown, {320, 404, 20, 20}},
    {MacroDialog::RowClear, {342, 404, 20, 20}},
    {MacroDialog::RowCopy, {364, 404, 20, 20}},
    {MacroDialog::RowCut, {386, 404, 20, 20}},
    {MacroDialog::RowPaste, {408, 404, 20, 20}},
    {MacroDialog::RecordAfter, {430, 404, 20, 20}},
    {MacroDialog::InsertDelay, {232, 432, 108, 24}},
    {MacroDialog::GunSet, {344, 432, 108, 24}},
    {MacroDialog::Start, {478, 12, 174, 30}},
    {MacroDialog::Stop, {478, 12, 174, 30}},
    {MacroDialog::RecordDelays, {478, 58, 180, 30}},
    {MacroDialog::DefaultDelays, {478, 90, 180, 30}},
    {MacroDialog::LoopTimes, {478, 156, 180, 26}},
    {MacroDialog::RepeatWhileDown, {478, 212, 180, 30}},
    {MacroDialog::RepeatUntilPressed, {478, 246, 180, 30}},
    {MacroDialog::MouseAction, {478, 284, 180, 26}},
    {MacroDialog::ChangeName, {478, 340, 174, 26}},
    {MacroDialog::Save, {478, 372, 174, 26}},
    {MacroDialog::CancelEdit, {478, 404, 174, 26}},
};

// Tool buttons of the library and the event list, by their skin image.
struct Tool
{
    MacroDialog::Control control;
    const char *image;
};
const Tool kTools[] = {
    {MacroDialog::NewMacro, "macro_new"},     {MacroDialog::DeleteMacro, "macro_delete"},
    {MacroDialog::RowDelete, "mlist_delete"}, {MacroDialog::RowTop, "mlist_top"},
    {MacroDialog::RowBottom, "mlist_bottom"}, {MacroDialog::RowUp, "mlist_up"},
    {MacroDialog::RowDown, "mlist_down"},     {MacroDialog::RowClear, "mlist_clear"},
    {MacroDialog::RowCopy, "mlist_copy"},     {MacroDialog::RowCut, "mlist_cut"},
    {MacroDialog::RowPaste, "mlist_paste"},   {MacroDialog::RecordAfter, "mlist_recafter"},
};

const MacroDialog::Control kOptions[] = {MacroDialog::RecordDelays, MacroDialog::DefaultDelays,
                                         MacroDialog::LoopTimes, MacroDialog::RepeatWhileDown,
                                         MacroDialog::RepeatUntilPressed};
const MacroDialog::Control kLoopOptions[] = {MacroDialog::LoopTimes, MacroDialog::RepeatWhileDown,
                                             MacroDialog::RepeatUntilPressed};

// Disabled while recording (START/STOP, GUN SET and the mouse commands
// stay usable).
const MacroDialog::Control kRecordingLocks[] = {MacroDialog::NewMacro,
                                                MacroDialog::DeleteMacro,
                                                MacroDialog::RecordDelays,
                                                MacroDialog::DefaultDelays,
                                                MacroDialog::LoopTimes,
                                                MacroDialog::RepeatWhileDown,
                                                MacroDialog::RepeatUntilPressed,
                                                MacroDialog::RecordAfter,
                                                MacroDialog::RowDelete,
                                                MacroDialog::RowTop,
                                                MacroDialog::RowBottom,
                                                MacroDialog::RowUp,
                                                MacroDialog::RowDown,
                                                MacroDialog::RowCopy,
                                                MacroDialog::RowCut,
                                                MacroDialog::RowPaste,
                                                MacroDialog::RowClear,
                                                MacroDialog::MouseAction,
                                                MacroDialog::ChangeName,
                                                MacroDialog::Save,
                                                MacroDialog::CancelEdit,
                                                MacroDialog::Import,
                                                MacroDialog::Export,
                                                MacroDialog::Batch,
                                                MacroDialog::InsertDelay};

QRect scaled(const QRect &r)
{
    const double f = UiScale::factor();
    return QRect(int(r.x() * f), int(r.y() * f), int(r.width() * f), int(r.height() * f));
}

} // namespace

MacroDialog::MacroDialog(QWidget *parent, KeyboardCapture *capture)
    : SettingsPanel(parent)
    , m_capture(capture)
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
{
    setObjectName(QStringLiteral("MacroDialog"));
    m_clock.start();
    if (m_capture)
        connect(m_capture, &KeyboardCapture::keyEvent, this, &MacroDialog::onKeyEvent);
    buildControls();
    fillMacroList();
    retranslate();
    loadMacro(selectedMacro());
}

MacroDialog::~MacroDialog()
{
    if (m_capture)
        m_capture->stop();
}

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
        const auto tool = std::find_if(std::begin(kTools), std::end(kTools),
                                       [&](const Tool &t) { return t.control == place.control; });
        if (tool != std::end(kTools)) {
            QStringList images;
            for (int s = 1; s <= 3; ++s)
                images << QStringLiteral("/skin/%1_%2.png").arg(QLatin1String(tool->image)).arg(s);
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
    if (m_recording)
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

QAbstractButton *MacroDialog::control(Control c) const
{
    return m_controls[c];
}

void MacroDialog::setFileDialogHook(FileDialogHook hook)
{
    fileDialogHook() = std::move(hook);
}

void MacroDialog::retranslate()
{
    m_macroNameLabel->setText(tr("MACRO NAME"));
    m_mouseActionLabel->setText(tr("MOUSE ACTION"));
    m_tree->retranslate();
    const struct
    {
        Control control;
        const char *text;
        bool tip;
    } texts[] = {
        {Start, QT_TR_NOOP("START"), false},
        {Stop, QT_TR_NOOP("STOP"), false},
        {NewMacro, QT_TR_NOOP("NEW"), true},
        {DeleteMacro, QT_TR_NOOP("DELETE"), true},
        {ChangeName, QT_TR_NOOP("CHANGE NAME"), false},
        {Save, QT_TR_NOOP("SAVE"), false},
        {CancelEdit, QT_TR_NOOP("CANCEL"), false},
        {Import, QT_TR_NOOP("IMPORT MACRO"), false},
        {Export, QT_TR_NOOP("EXPORT MACRO"), false},
        {Batch, QT_TR_NOOP("BATCH"), false},
        {InsertDelay, QT_TR_NOOP("INSERT DELAY"), false},
        {GunSet, QT_TR_NOOP("GUN SET"), false},
        {RowDelete, QT_TR_NOOP("DELETE"), true},
        {RowTop, QT_TR_NOOP("TOP"), true},
        {RowBottom, QT_TR_NOOP("BOTTOM"), true},
        {RowUp, QT_TR_NOOP("MOVE UP"), true},
        {RowDown, QT_TR_NOOP("MOVE DOWN"), true},
        {RowClear, QT_TR_NOOP("CLEAR"), true},
        {RowCopy, QT_TR_NOOP("COPY"), true},
        {RowCut, QT_TR_NOOP("CUT"), true},
        {RowPaste, QT_TR_NOOP("PASTE"), true},
        {RecordAfter, QT_TR_NOOP("RECORD AFTER"), true},
        {RecordDelays, QT_TR_NOOP("RECORD DELAYS BETWEEN ACTION"), false},
        {DefaultDelays, QT_TR_NOOP("INSERT DEFAULT DELAY"), false},
        {LoopTimes, QT_TR_NOOP("LOOPS TIME(1-255)"), false},
        {RepeatWhileDown, QT_TR_NOOP("REPEAT RUN WHEN KEY DOWN"), false},
        {RepeatUntilPressed, QT_TR_NOOP("REPEAT RUN UNTIL THE KEY DOWN"), false},
        {MouseAction, QT_TR_NOOP("MOUSE ACTION"), false},
    };
    for (const auto &t : texts) {
        if (t.tip)
            m_controls[t.control]->setToolTip(tr(t.text));
        else
            m_controls[t.control]->setText(tr(t.text));
    }
    // Gun files are offered in the Chinese interfaces only.
    m_controls[GunSet]->setVisible(UiScale::languageIndex() == 1 || UiScale::languageIndex() == 2);
    // Rows name buttons, moves and keys in the current language; delay rows
    // keep their text, which may be the default-delay field's.
    for (int i = 0; i < m_eventList->count(); ++i) {
        VornListItem *r = row(i);
        if ((r->Map & 0x7F) != kMacroDelay)
            r->setEvent(r->event(), macroEventText(r->event()));
    }
}

void MacroDialog::rescale()
{
    const QFont font = UiScale::languageFont();
    for (const Place &place : kPlaces) {
        m_controls[place.control]->setGeometry(scaled(place.rect));
        m_controls[place.control]->setFont(font);
    }
    m_macroNameLabel->setGeometry(scaled(kMacroNameLabel));
    m_mouseActionLabel->setGeometry(scaled(kMacroNameLabel));
    m_macroList->setGeometry(scaled(kMacroList));
    m_tree->setGeometry(scaled(kMacroList));
    m_nameEdit->setGeometry(scaled(kNameEdit));
    m_eventList->setGeometry(scaled(kEventList));
    m_defaultDelay->setGeometry(scaled(kDefaultDelay));
    m_msLabel->setGeometry(scaled(kMsLabel));
    m_loopTime->setGeometry(scaled(kLoopTime));
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

void MacroDialog::warn(const QString &text, int kind, const QString &heading)
{
    VornMessageBox box(kind, QString(), heading.isEmpty() ? tr("Warning") : heading, text, this);
    box.exec();
}

QStringList MacroDialog::askFiles(FileDialog kind)
{
    const QStringList chosen = fileDialogHook() ? fileDialogHook()(kind) : runFileDialog(kind);
    if (!chosen.isEmpty())
        rememberFileDialogChoice(chosen.first(), kind == ChooseFolder);
    return chosen;
}

QStringList MacroDialog::runFileDialog(FileDialog kind)
{
    const QString caption =
        kind == OpenOne || kind == OpenMany ? tr("Load Macro File") : tr("Save Macro File");
    const QString filter = tr("Macro File(*.MSMACRO)");
    const QString folder = fileDialogFolder();
    switch (kind) {
    case OpenOne: {
        const QString file = QFileDialog::getOpenFileName(this, caption, folder, filter);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case OpenMany:
        return QFileDialog::getOpenFileNames(this, caption, folder, filter);
    case SaveOne: {
        const QString file = saveFileName(this, caption, filter, kMacroFileSuffix);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case ChooseFolder: {
        const QString dir =
            QFileDialog::getExistingDirectory(this, caption, folder, QFileDialog::ShowDirsOnly);
        return dir.isEmpty() ? QStringList() : QStringList{dir};
    }
    }
    return {};
}

// ---- rows -----------------------------------------------------------------

VornListItem *MacroDialog::row(int i) const
{
    return qobject_cast<VornListItem *>(m_eventList->itemWidget(m_eventList->item(i)));
}

QVector<MacroEvent> MacroDialog::events() const
{
    QVector<MacroEvent> events;
    for (int i = 0; i < m_eventList->count(); ++i)
        events << row(i)->event();
    return events;
}

QVector<MacroRow> MacroDialog::rows() const
{
    QVector<MacroRow> rows;
    for (int i = 0; i < m_eventList->count(); ++i)
        rows << MacroRow{row(i)->event(), row(i)->text()};
    return rows;
}

void MacroDialog::appendRow(const MacroRow &r)
{
    auto *item = new QListWidgetItem(m_eventList);
    VornListItem::decorate(item, r.event);
    auto *widget = new VornListItem(r.event, r.text);
    connect(widget, &VornListItem::editApplied, this, [this] {
        m_editRow = -1;
        m_eventList->setFocus();
    });
    m_eventList->setItemWidget(item, widget);
}

void MacroDialog::setRows(const QVector<MacroRow> &rows, int current)
{
    m_editRow = -1;
    const QSignalBlocker block(m_eventList);
    m_eventList->clear();
    for (const MacroRow &r : rows)
        appendRow(r);
    if (current >= 0 && current < m_eventList->count())
        m_eventList->setCurrentRow(current);
}

bool MacroDialog::insertRows(const QVector<MacroRow> &added)
{
    if (added.isEmpty())
        return true;
    QVector<MacroRow> all = rows();
    if (!macroHasRoom(all.size(), added.size())) {
        warn(macroFullMessage());
        return false;
    }
    const int current = m_eventList->currentRow();
    const int at = current < 0 ? all.size() : current + 1;
    for (int i = 0; i < added.size(); ++i)
        all.insert(at + i, added.at(i));
    setRows(all, at + added.size() - 1);
    return true;
}

QVector<MacroRow> MacroDialog::withDelays(const QVector<MacroEvent> &commands) const
{
    QVector<MacroRow> out;
    for (const MacroEvent &e : commands) {
        out << MacroRow{e, macroEventText(e)};
        if (m_delayType == kRecordDelays) {
            const MacroEvent delay = delayEventFromMs(10);
            out << MacroRow{delay, macroEventText(delay)};
        } else if (m_delayType == kDefaultDelays) {
            out << MacroRow{delayEventFromMs(m_defaultDelay->text().toInt()),
                            m_defaultDelay->text() + QStringLiteral(" ms")};
        }
    }
    return out;
}

void MacroDialog::endDelayEdit()
{
    if (m_editRow >= 0 && m_editRow < m_eventList->count())
        row(m_editRow)->cancelEdit();
    m_editRow = -1;
}

// ---- library --------------------------------------------------------------

void MacroDialog::fillMacroList(const QString &select)
{
    const QSignalBlocker block(m_macroList);
    const int oldRow = m_macroList->currentRow();
    m_macroList->clear();
    const QStringList names = macroLibrary();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(m_batch ? QString() : name, m_macroList);
        item->setData(Qt::UserRole, name);
        if (m_batch) {
            auto *box = new QCheckBox(name);
            box->setStyleSheet(QStringLiteral("QCheckBox{color:rgb(255,255,255)}"));
            box->setFont(UiScale::languageFont());
            m_macroList->setItemWidget(item, box);
        }
    }
    int row = names.indexOf(select);
    if (row < 0)
        row = qBound(0, oldRow, names.size() - 1);
    if (!names.isEmpty())
        m_macroList->setCurrentRow(row);
}

QString MacroDialog::selectedMacro() const
{
    const QListWidgetItem *item = m_macroList->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void MacroDialog::setOptionsFromFile(int delayType, int loopType)
{
    m_controls[RecordDelays]->setChecked(delayType == kRecordDelays);
    m_controls[DefaultDelays]->setChecked(delayType == kDefaultDelays);
    m_delayType = qint8(delayType >= kNoDelays && delayType <= kDefaultDelays ? delayType : 0);
    for (int i = 0; i < 3; ++i)
        m_controls[kLoopOptions[i]]->setChecked(loopType == i + 1);
}

void MacroDialog::loadMacro(const QString &name)
{
    m_curMacroName = name;
    m_nameEdit->setText(name);
    if (name.isEmpty()) {
        setRows({}, -1);
        return;
    }
    const MacroFileData macro = readMacroFile(name);
    setOptionsFromFile(macro.delayType, macro.loopType);
    m_defaultDelay->setText(QString::number(macro.defaultDelay));
    m_loopTime->setText(QString::number(macro.loopTime));
    QVector<MacroRow> loaded;
    for (int i = 0; i < macro.events.size(); ++i)
        loaded << MacroRow{macro.events.at(i), macro.texts.value(i)};
    setRows(loaded, loaded.isEmpty() ? -1 : 0);
}

bool MacroDialog::saveMacro()
{
    const QString name = selectedMacro();
    if (name.isEmpty())
        return false;
    MacroFileData macro;
    macro.defaultDelay = m_defaultDelay->text().toInt();
    macro.delayType = m_delayType;
    for (int i = 0; i < 3; ++i) {
        if (m_controls[kLoopOptions[i]]->isChecked())
            macro.loopType = i + 1;
    }
    macro.loopTime = m_loopTime->text().toInt();
    macro.events = events();
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
    const bool empty = m_eventList->count() == 0;
    switch (c) {
    case Start:
        startRecording(false);
        break;
    case RecordAfter:
        startRecording(true);
        break;
    case Stop:
        stopRecording();
        break;
    case NewMacro:
        newMacro();
        break;
    case DeleteMacro:
        deleteMacro();
        break;
    case ChangeName:
        changeName();
        break;
    case Save:
        saveMacro();
        break;
    case CancelEdit:
        loadMacro(selectedMacro());
        break;
    case Import:
        importMacros();
        break;
    case Export:
        exportMacros();
        break;
    case Batch:
        toggleBatch();
        break;
    case GunSet:
        runGunSet();
        break;
    case InsertDelay:
        if (!empty) {
            const MacroEvent delay = delayEventFromMs(10);
            insertRows({MacroRow{delay, macroEventText(delay)}});
        }
        break;
    case RowDelete:
        if (!empty)
            removeRows(selectedRows());
        break;
    case RowTop:
        if (!empty)
            moveCurrentRow(0);
        break;
    case RowBottom:
        if (!empty)
            moveCurrentRow(m_eventList->count() - 1);
        break;
    case RowUp:
        if (!empty)
            moveCurrentRow(m_eventList->currentRow() - 1);
        break;
    case RowDown:
        if (!empty)
            moveCurrentRow(m_eventList->currentRow() + 1);
        break;
    case RowClear:
        setRows({}, -1);
        break;
    case RowCopy:
    case RowCut:
        if (!empty)
            copyRows(c == RowCut);
        break;
    case RowPaste:
        insertRows(m_clipboard);
        break;
    case MouseAction: {
        const bool on = m_controls[MouseAction]->isChecked();
        m_tree->setVisible(on);
        m_mouseActionLabel->setVisible(on);
        m_macroNameLabel->setVisible(!on);
        m_macroList->setVisible(!on);
        break;
    }
    default:
        setOption(c, m_controls[c]->isChecked());
        break;
    }
}

void MacroDialog::setOption(Control c, bool on)
{
    switch (c) {
    case RecordDelays:
        m_delayType = on ? kRecordDelays : kNoDelays;
        if (!on)
            m_controls[DefaultDelays]->setChecked(false);
        break;
    case DefaultDelays:
        if (on) {
            m_delayType = kDefaultDelays;
            m_controls[RecordDelays]->setChecked(true);
        } else {
            m_delayType = m_controls[RecordDelays]->isChecked() ? kRecordDelays : kNoDelays;
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

void MacroDialog::moveCurrentRow(int to)
{
    const int from = m_eventList->currentRow();
    if (from < 0 || to < 0 || to >= m_eventList->count() || to == from)
        return;
    QVector<MacroRow> all = rows();
    all.move(from, to);
    setRows(all, to);
}

// The selected rows in list order, else the current one.
QList<int> MacroDialog::selectedRows() const
{
    QList<int> selected;
    for (const QModelIndex &index : m_eventList->selectionModel()->selectedRows())
        selected << index.row();
    if (selected.isEmpty() && m_eventList->currentRow() >= 0)
        selected << m_eventList->currentRow();
    std::sort(selected.begin(), selected.end());
    return selected;
}

void MacroDialog::removeRows(const QList<int> &selected)
{
    if (selected.isEmpty())
        return;
    const QVector<MacroRow> all = rows();
    QVector<MacroRow> kept;
    for (int i = 0; i < all.size(); ++i) {
        if (!selected.contains(i))
            kept << all.at(i);
    }
    setRows(kept, qMin(selected.first(), kept.size() - 1));
}

void MacroDialog::copyRows(bool cut)
{
    const QList<int> selected = selectedRows();
    const QVector<MacroRow> all = rows();
    m_clipboard.clear();
    for (int i : selected)
        m_clipboard << all.at(i);
    if (cut)
        removeRows(selected);
}

void MacroDialog::enableForRecording(bool enable)
{
    for (Control c : kRecordingLocks)
        m_controls[c]->setEnabled(enable);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_defaultDelay, m_loopTime, m_nameEdit, m_macroList})
        w->setEnabled(enable);
}

void MacroDialog::enableForBatch(bool enable)
{
    m_controls[Start]->setEnabled(enable);
    m_controls[Stop]->setEnabled(enable);
    for (Control c : kRecordingLocks) {
        if (c != Import && c != Export && c != Batch && c != InsertDelay)
            m_controls[c]->setEnabled(enable);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_defaultDelay, m_loopTime, m_nameEdit})
        w->setEnabled(enable);
}

void MacroDialog::startRecording(bool after)
{
    endDelayEdit();
    m_recorder.restart();
    m_recording = true;
    m_controls[Start]->hide();
    m_controls[Stop]->show();
    if (after) {
        const int current = m_eventList->currentRow();
        m_insertAt = current < 0 ? m_eventList->count() : current + 1;
    } else {
        setRows({}, -1);
        m_insertAt = -1;
    }
    if (m_macroList->count() == 0)
        return; // nothing to record into
    enableForRecording(false);
    emit EnableButtonsSignal(false);
    m_macroNameLabel->setFocus();
    if (m_capture && !m_capture->isActive())
        m_capture->start(window());
}

void MacroDialog::onKeyEvent(KeyRecord &record)
{
    qCDebug(lcMacro, "l->vkCode %x l->scanCode %x %x", record.vkCode, record.scanCode,
            record.flags);
    if (!m_recording || m_macroList->count() == 0)
        return;
    int retract = 0;
    const QVector<MacroRow> added = m_recorder.step(record, m_clock.elapsed(), m_eventList->count(),
                                                    m_delayType, m_defaultDelay->text(), &retract);
    if (retract > 0) {
        QVector<MacroRow> all = rows();
        const int end = m_insertAt < 0 ? all.size() : qMin(m_insertAt, int(all.size()));
        all.remove(end - retract, retract);
        if (m_insertAt >= 0)
            m_insertAt = end - retract;
        setRows(all, end - retract - 1);
    }
    // What the next hook sees: the renumbered key, and no flags on a press
    // made with Alt held.
    const quint8 code = recorderKeyCode(record);
    if (code != record.scanCode)
        record.scanCode = code;
    if ((record.flags & kKeyAltDown) && !(record.flags & kKeyUp))
        record.flags = 0;
    if (!added.isEmpty()) {
        m_macroNameLabel->setFocus();
        QVector<MacroRow> all = rows();
        int at = m_insertAt < 0 ? all.size() : qMin(m_insertAt, int(all.size()));
        for (const MacroRow &r : added)
            all.insert(at++, r);
        if (m_insertAt >= 0)
            m_insertAt = at;
        setRows(all, at - 1);
    }
    m_recorder.settled(m_clock.elapsed());
}

void MacroDialog::stopRecording(bool warnLater)
{
    const bool wasRecording = m_recording && m_macroList->count() > 0;
    m_recording = false;
    m_insertAt = -1;
    m_controls[Start]->show();
    m_controls[Stop]->hide();
    enableForRecording(true);
    emit EnableButtonsSignal(true);
    if (m_capture)
        m_capture->stop();
    if (!wasRecording)
        return;
    QStringList warnings;
    if (!releaseTestPasses(events()))
        warnings << tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED.");
    if (m_recorder.droppedForRoom())
        warnings << m_recorder.droppedMessage();
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

void MacroDialog::newMacro()
{
    if (macroLibraryCount() >= kMacroLibrarySlots) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), VornMessageBox::YesNo, tr("WARNING"));
        return;
    }
    const QString name = newMacroName();
    for (Control c : kOptions)
        m_controls[c]->setChecked(false);
    m_delayType = kNoDelays;
    setRows({}, -1);
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    MacroFileData macro;
    macro.defaultDelay = 10;
    macro.loopTime = 1;
    if (!writeMacroFile(name, macro) || !addToMacroLibrary(name)) {
        deleteMacroFile(name);
        warn(tr("THE MACRO FILE COULD NOT BE WRITTEN."));
        return;
    }
    fillMacroList(name);
    m_curMacroName = name;
    m_nameEdit->setText(name);
}

void MacroDialog::deleteMacro()
{
    if (m_macroList->count() == 0)
        return;
    const QString name = selectedMacro();
    if (name.isEmpty())
        return;
    m_curMacroName = name;
    removeFromMacroLibrary(name);
    deleteMacroFile(name);
    fillMacroList();
    loadMacro(selectedMacro());
}

void MacroDialog::changeName()
{
    if (m_macroList->count() == 0)
        return;
    const QString current = selectedMacro();
    const QString wanted = m_nameEdit->text();
    if (wanted == current)
        return;
    if (!isSafeMacroName(wanted)) {
        warn(unsafeMacroNameMessage(wanted));
        return;
    }
    const QString name = renameMacro(current, wanted);
    if (name.isEmpty())
        return;
    fillMacroList(name);
    m_curMacroName = name;
    m_nameEdit->setText(name);
}

void MacroDialog::importMacros()
{
    const QStringList files = askFiles(m_batch ? OpenMany : OpenOne);
    if (files.isEmpty())
        return;
    QStringList problems;
    QString last;
    for (const QString &file : files) {
        QString name;
        const MacroImport result = importMacroFile(file, &name);
        const QString message = macroImportMessage(result, name);
        if (!message.isEmpty())
            problems << (files.size() > 1 ? QFileInfo(file).fileName() + QStringLiteral(": ")
                                          : QString()) +
                            message;
        if (result == MacroImport::Imported || result == MacroImport::Shortened)
            last = name;
    }
    fillMacroList(last);
    if (!m_batch)
        loadMacro(selectedMacro());
    if (!problems.isEmpty())
        warn(problems.join(QLatin1Char('\n')));
}

void MacroDialog::exportMacros()
{
    if (!m_batch) {
        const QString name = selectedMacro();
        if (name.isEmpty())
            return;
        const QStringList target = askFiles(SaveOne);
        if (target.isEmpty())
            return;
        // IMPORT lists only files with the suffix. The save dialog has
        // asked before replacing a file.
        const QString file = withFileSuffix(target.first(), kMacroFileSuffix);
        QFile::remove(file);
        QFile::copy(macroFilePath(name), file);
        return;
    }
    const QStringList folder = askFiles(ChooseFolder);
    if (folder.isEmpty())
        return;
    for (int i = 0; i < m_macroList->count(); ++i) {
        auto *box = qobject_cast<QCheckBox *>(m_macroList->itemWidget(m_macroList->item(i)));
        if (!box || !box->isChecked())
            continue;
        const QString name = m_macroList->item(i)->data(Qt::UserRole).toString();
        QFile::copy(macroFilePath(name),
                    folder.first() + QLatin1Char('/') + name + kMacroFileSuffix);
    }
}

void MacroDialog::toggleBatch()
{
    m_batch = !m_batch;
    enableForBatch(!m_batch);
    fillMacroList(m_curMacroName);
}

void MacroDialog::runGunSet()
{
    if (macroLibraryCount() >= kMacroLibrarySlots) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), VornMessageBox::YesNo, tr("WARNING"));
        return;
    }
    VornGunsetDialog dialog(this, UiScale::factor());
    if (dialog.exec() != QDialog::Accepted)
        return;
    addGunFile(dialog.fileName(), dialog.events());
}

void MacroDialog::addGunFile(const QString &wanted, const QVector<MacroEvent> &gunEvents)
{
    if (!isSafeMacroName(wanted)) {
        warn(unsafeMacroNameMessage(wanted));
        return;
    }
    if (macroLibraryCount() >= kMacroLibrarySlots) {
        warn(tr("TOO MANY MACROS TO BE CREATE!"), VornMessageBox::YesNo, tr("WARNING"));
        return;
    }
    const QString name = uniqueMacroName(wanted);
    for (Control c : kOptions)
        m_controls[c]->setChecked(c == RecordDelays);
    m_delayType = kRecordDelays;
    setRows({}, -1);
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    m_nameEdit->setText(name);
    if (!writeGunFile(name, gunEvents) || !addToMacroLibrary(name)) {
        deleteMacroFile(name);
        warn(tr("THE MACRO FILE COULD NOT BE WRITTEN."));
        return;
    }
    fillMacroList(name);
    loadMacro(name);
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
    insertRows(withDelays(commands));
}

void MacroDialog::itemClicked(const QModelIndex &index)
{
    if (m_batch)
        return;
    const QString name = m_macroList->item(index.row())->data(Qt::UserRole).toString();
    loadMacro(name);
}

void MacroDialog::itemClicked2(const QModelIndex &index)
{
    if (index.row() != m_editRow)
        endDelayEdit();
}

void MacroDialog::itemDoubleClicked(const QModelIndex &index)
{
    VornListItem *r = row(index.row());
    if (!r)
        return;
    const MacroEvent e = r->event();
    if ((e.Map & 0x7F) == kMacroDelay) {
        endDelayEdit();
        m_editRow = index.row();
        r->startEdit();
    } else if (e.Map == kMacroMove) {
        int direction = 0;
        int distance = 0;
        macroMoveOf(e, &direction, &distance);
        VornGunEditDialog dialog(direction, distance, this, UiScale::factor());
        if (dialog.exec() != QDialog::Accepted)
            return;
        const MacroEvent move = ::mouseMoveEvent(dialog.direction(), dialog.distance());
        r->setEvent(move, macroEventText(move));
    }
}

void MacroDialog::rowMacroListChanged(int iRow)
{
    if (m_editRow >= 0 && m_editRow != iRow)
        endDelayEdit();
    qCDebug(lcMacro, "rowMacroListChanged into %d", iRow);
    m_eventList->setFocus();
}

void MacroDialog::itemMacroListChanged(QListWidgetItem *item)
{
    Q_UNUSED(item)
    m_editRow = -1;
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
