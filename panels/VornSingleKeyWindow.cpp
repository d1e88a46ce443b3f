#include "panels/VornSingleKeyWindow.h"

#include "panels/PanelLog.h"
#include "store/KeyTables.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

VornSingleKeyWindow::VornSingleKeyWindow(QWidget *parent) : KeyCaptureEditor(true, parent)
{
    setObjectName(QStringLiteral("singleKeyEditor"));
    m_layout.add(m_title, QRect(0, 0, 200, 20));
    m_layout.add(m_keyDisplay, QRect(0, 28, 240, 26));
    m_layout.add(m_stop, QRect(250, 28, 100, 26));
    m_layout.add(m_edit, QRect(250, 28, 100, 26));
    retranslate();
    rescale();
    setCapturing(true);
}

void VornSingleKeyWindow::showEditor(bool show)
{
    if (show)
        setCapturing(true);
    KeyCaptureEditor::showEditor(show);
}

void VornSingleKeyWindow::load(quint8 keyIndex)
{
    setDisplayText(keyName(keyIndex));
    m_keyIndex = keyIndex;
}

void VornSingleKeyWindow::retranslate()
{
    m_title->setText(tr("Single Key"));
    setStopEditTexts();
}

// Press and release of a key differ in their flags, so both arrive; the
// key stays the same.
void VornSingleKeyWindow::keyCaptured(quint8 index, quint32 flags)
{
    if (index == m_lastIndex && flags == m_lastFlags)
        return;
    m_lastIndex = index;
    m_lastFlags = flags;
    const QString name = keyName(index);
    setDisplayText(name);
    m_keyIndex = index;
    qCDebug(lcPanels, "single key %d shown as \"%s\"", index, qUtf8Printable(name));
}

void VornSingleKeyWindow::stopClicked()
{
    setCapturing(false);
    m_keyDisplay->setFocus();
    emit SetSingleKeyValue(m_keyIndex);
}

void VornSingleKeyWindow::editClicked()
{
    setCapturing(true);
    m_keyDisplay->setFocus();
}
