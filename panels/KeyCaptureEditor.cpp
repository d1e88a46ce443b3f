#include "panels/KeyCaptureEditor.h"

#include "panels/KeyIndex.h"
#include "platform/KeyboardCapture.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

namespace {

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
}

void KeyCaptureEditor::showEditor(bool show)
{
    m_shown = show;
    setVisible(show);
    updateCapture();
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

// The keyboard is watched (and on X11 grabbed) only while a key can be
// taken, so the other fields of the window keep their keys otherwise.
void KeyCaptureEditor::updateCapture()
{
    if (m_shown && m_capturing)
        m_capture->start(m_keyDisplay);
    else
        m_capture->stop();
}
