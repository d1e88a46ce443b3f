#include "panels/VornFireKeyWindow.h"

#include "panels/KeyIndex.h"
#include "store/ButtonFunctions.h"
#include "store/KeyTables.h"
#include "store/ProfileData.h"
#include "widgets/StrictIntValidator.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

#include <QCheckBox>
#include <QEvent>

VornFireKeyWindow::VornFireKeyWindow(QWidget *parent)
    : KeyCaptureEditor(false, parent)
    , m_timesLabel(new VornLabel(QString(), this))
    , m_delayLabel(new VornLabel(QString(), this))
    , m_times(new VornLineEdit(this))
    , m_delay(new VornLineEdit(this))
{
    setObjectName(QStringLiteral("fireKeyEditor"));
    const QString checkStyle =
        QStringLiteral("QCheckBox{color:white;spacing:6px;}"
                       "QCheckBox::indicator{width:%1px;height:%1px;}"
                       "QCheckBox::indicator:unchecked{border-image:url(./skin/checkbox1-1.png);}"
                       "QCheckBox::indicator:checked{border-image:url(./skin/checkbox1-2.png);}")
            .arg(UiScale::scaled(16));
    const int typeX[4] = {0, 90, 180, 270};
    const int typeWidth[4] = {85, 85, 85, 150};
    for (int i = 0; i < 4; ++i) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("fireType%1").arg(i));
        box->setStyleSheet(checkStyle);
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, [this, i] { chooseType(i); });
        m_types[size_t(i)] = box;
        m_layout.add(box, QRect(typeX[i], 26, typeWidth[i], 24));
    }
    for (VornLineEdit *field : {m_times, m_delay}) {
        field->setMaxLength(3);
        // 0 and anything above 255 are refused as typed: a byte would wrap.
        field->setValidator(new StrictIntValidator(1, 255, field));
        field->setAlignment(Qt::AlignCenter);
        field->setStyleSheet(
            QStringLiteral("border-width:2px;background-color:rgb(30,30,30);color:white"));
        field->installEventFilter(this);
    }
    connect(m_times, &QLineEdit::textEdited, this, [this] { fieldEdited(m_times, &m_timesValue); });
    connect(m_delay, &QLineEdit::textEdited, this, [this] { fieldEdited(m_delay, &m_delayValue); });
    m_times->setObjectName(QStringLiteral("fireTimes"));
    m_delay->setObjectName(QStringLiteral("fireDelay"));
    m_layout.add(m_title, QRect(0, 0, 200, 20));
    m_layout.add(m_keyDisplay, QRect(0, 58, 200, 26));
    m_layout.add(m_stop, QRect(210, 58, 90, 26));
    m_layout.add(m_edit, QRect(210, 58, 90, 26));
    m_layout.add(m_timesLabel, QRect(320, 58, 55, 26));
    m_layout.add(m_times, QRect(377, 58, 50, 26));
    m_layout.add(m_delayLabel, QRect(437, 58, 55, 26));
    m_layout.add(m_delay, QRect(494, 58, 50, 26));
    retranslate();
    rescale();
    for (QWidget *w : {static_cast<QWidget *>(m_timesLabel), static_cast<QWidget *>(m_delayLabel),
                       static_cast<QWidget *>(m_times), static_cast<QWidget *>(m_delay)})
        w->setFont(UiScale::languageFont());
    showType(FireLeft);
    setCapturing(false);
}

void VornFireKeyWindow::retranslate()
{
    m_title->setText(tr("FireKey Setting"));
    setStopEditTexts();
    m_types[FireLeft]->setText(tr("Left"));
    m_types[FireRight]->setText(tr("Right"));
    m_types[FireMiddle]->setText(tr("Middle"));
    m_types[FireKeyboard]->setText(tr("Keyboard Key"));
    m_timesLabel->setText(tr("Times:"));
    m_delayLabel->setText(tr("Delay:"));
    for (QCheckBox *box : m_types)
        box->setFont(UiScale::languageFont());
}

void VornFireKeyWindow::showType(int type)
{
    m_type = type;
    for (int i = 0; i < 4; ++i)
        m_types[size_t(i)]->setChecked(i == type);
    // The key controls only mean something for a keyboard key.
    setKeyControlsEnabled(type == FireKeyboard);
}

void VornFireKeyWindow::chooseType(int type)
{
    showType(type);
    if (type == FireKeyboard) {
        setCapturing(true);
        m_keyDisplay->setFocus();
    } else {
        setCapturing(false);
        m_keyIndex = 0;
        setDisplayText(QString());
    }
    report();
}

void VornFireKeyWindow::report()
{
    emit SetFireKeyValue(m_keyIndex, quint8(m_type), quint8(m_timesValue), quint8(m_delayValue));
}

// An emptied field reports nothing until a number is typed again.
void VornFireKeyWindow::fieldEdited(VornLineEdit *field, int *value)
{
    if (!field->hasAcceptableInput())
        return;
    *value = field->text().toInt();
    report();
}

// A field left empty shows the value it still holds.
bool VornFireKeyWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_times || watched == m_delay)) {
        auto *field = static_cast<VornLineEdit *>(watched);
        if (!field->hasAcceptableInput())
            field->setText(QString::number(field == m_times ? m_timesValue : m_delayValue));
    }
    return KeyCaptureEditor::eventFilter(watched, event);
}

void VornFireKeyWindow::keyCaptured(quint8 index, quint32 flags)
{
    if (m_type != FireKeyboard || (index == m_lastIndex && flags == m_lastFlags))
        return;
    m_lastIndex = index;
    m_lastFlags = flags;
    setDisplayText(keyName(index));
    m_keyIndex = index;
}

void VornFireKeyWindow::stopClicked()
{
    setCapturing(false);
    m_keyDisplay->setFocus();
    report();
}

void VornFireKeyWindow::editClicked()
{
    setCapturing(true);
    m_keyDisplay->setFocus();
}

void VornFireKeyWindow::load(const ButtonInfo &entry)
{
    quint8 keyCode = 0;
    showType(fireKeyType(entry, &keyCode));
    if (m_type == FireKeyboard) {
        m_keyIndex = keyCode;
        setDisplayText(keyName(m_keyIndex));
    }
    if (m_type != FireKeyboard) {
        m_keyIndex = 0;
        setDisplayText(QString());
    }
    setCapturing(m_type == FireKeyboard);
    m_delayValue = entry.KeyNumber == 0 ? 10 : entry.KeyNumber;
    m_timesValue = entry.LoopNumber == 0 ? 3 : entry.LoopNumber;
    m_delay->setText(QString::number(m_delayValue));
    m_times->setText(QString::number(m_timesValue));
}
