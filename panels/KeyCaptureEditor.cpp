#include "panels/KeyCaptureEditor.h"

#include "panels/KeyIndex.h"
#include "platform/KeyboardCapture.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// A widget that takes typed text.
bool isTextField(const QWidget *widget)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return !line->isReadOnly();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return !text->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return !plain->isReadOnly();
    return qobject_cast<const QAbstractSpinBox *>(widget) != nullptr;
}

const QStringList kButtonImages = {QStringLiteral("/skin/button_1.png"),
                                   QStringLiteral("/skin/button_2.png"),
                                   QStringLiteral("/skin/button_3.png")};

} // namespace

KeyCaptureEditor::KeyCaptureEditor(bool traceKeys, QWidget *parent)
    : QWidget(parent)
    , m_title(new VornLabel(QString(), this))
    , m_keyDisplay(new VornLineEdit(this))
    , m_stop(new VornPushButton(kButtonImages, this))
    , m_edit(new VornPushButton(kButtonImages, this))
    , m_capture(KeyboardCapture::create(this))
    , m_traceKeys(traceKeys)
{
    setAttribute(Qt::WA_StyledBackground);
    m_title->setObjectName(QStringLiteral("title"));
    m_keyDisplay->setObjectName(QStringLiteral("keyDisplay"));
    m_keyDisplay->setReadOnly(true);
    m_keyDisplay->setAlignment(Qt::AlignCenter);
    m_keyDisplay->setStyleSheet(QStringLiteral(
        "border-width:2px;background-color:rgb(30,30,30);color:white;border-style:solid;"
        "border-color:rgb(80,20,24)"));
    m_stop->setObjectName(QStringLiteral("stop"));
    m_edit->setObjectName(QStringLiteral("edit"));
    connect(m_capture, &KeyboardCapture::keyEvent, this, &KeyCaptureEditor::onKeyEvent);
    connect(m_stop, &QPushButton::clicked, this, [this] { stopClicked(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { editClicked(); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { onFocusChanged(now); });
}

void KeyCaptureEditor::showEditor(bool show)
{
    setVisible(show);
    updateCapture();
}

// Hiding the panel, the window or switching tabs hides the editor too.
void KeyCaptureEditor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateCapture();
}

void KeyCaptureEditor::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateCapture();
}

// A text field that takes the focus (a click, Tab) is about to get typed
// keys: the capture ends as STOP ends it, before the first key, so the
// field's text never becomes a key and what was captured is kept.
void KeyCaptureEditor::onFocusChanged(QWidget *now)
{
    if (!m_capturing || !isVisible() || now == m_keyDisplay || !isTextField(now))
        return;
    stopClicked();
    if (m_capturing)
        setCapturing(false); // nothing was captured: the stored value stands
    if (QApplication::focusWidget() != now)
        now->setFocus(); // STOP gives the key display the focus
}

bool KeyCaptureEditor::captureActive() const
{
    return m_capture->isActive();
}

QString KeyCaptureEditor::displayedText() const
{
    return m_keyDisplay->text();
}

void KeyCaptureEditor::rescale()
{
    m_layout.apply(UiScale::factor());
    const QFont font = UiScale::languageFont();
    for (QWidget *w : {static_cast<QWidget *>(m_title), static_cast<QWidget *>(m_keyDisplay),
                       static_cast<QWidget *>(m_stop), static_cast<QWidget *>(m_edit)})
        w->setFont(font);
}

void KeyCaptureEditor::setCapturing(bool capturing)
{
    m_capturing = capturing;
    m_stop->setVisible(capturing);
    m_edit->setVisible(!capturing);
    updateCapture();
}

void KeyCaptureEditor::setDisplayText(const QString &text)
{
    m_keyDisplay->setText(text);
}

void KeyCaptureEditor::setStopEditTexts()
{
    m_stop->setText(tr("STOP"));
    m_edit->setText(tr("EDIT"));
}

void KeyCaptureEditor::setKeyControlsEnabled(bool enabled)
{
    m_keyDisplay->setEnabled(enabled);
    m_stop->setEnabled(enabled);
    m_edit->setEnabled(enabled);
}

void KeyCaptureEditor::onKeyEvent(KeyRecord &record)
{
    if (!m_capturing)
        return;
    const quint8 index = takeKeyIndex(record, m_traceKeys);
    keyCaptured(index, record.flags);
}

// The keyboard is watched (and on X11 grabbed) only while the editor is
// on screen showing STOP, so the other fields keep their keys otherwise.
void KeyCaptureEditor::updateCapture()
{
    if (isVisible() && m_capturing)
        m_capture->start(m_keyDisplay);
    else
        m_capture->stop();
}
