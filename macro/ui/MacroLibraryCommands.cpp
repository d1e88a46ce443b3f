#include "macro/ui/MacroLibraryCommands.h"

#include "macro/GunSet.h"
#include "macro/MacroLibrary.h"
#include "macro/ui/VornGunsetDialog.h"
#include "widgets/FileDialogs.h"
#include "widgets/UiScale.h"
#include "widgets/VornMessageBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString kMacroFileSuffix = QStringLiteral(".MSMACRO");

MacroLibraryCommands::FileDialogHook &fileDialogHook()
{
    static MacroLibraryCommands::FileDialogHook hook;
    return hook;
}

// The page's texts keep the page's translation context.
QString notWrittenMessage()
{
    return QCoreApplication::translate("MacroDialog", "THE MACRO FILE COULD NOT BE WRITTEN.");
}

} // namespace

void showMacroWarning(QWidget *parent, const QString &text, int kind, const QString &heading)
{
    const QString title =
        heading.isEmpty() ? QCoreApplication::translate("MacroDialog", "Warning") : heading;
    VornMessageBox box(kind, QString(), title, text, parent);
    box.exec();
}

MacroLibraryCommands::MacroLibraryCommands(QWidget *page, QListWidget *list, QLineEdit *nameEdit)
    : QObject(page), m_page(page), m_list(list), m_nameEdit(nameEdit)
{}

void MacroLibraryCommands::setFileDialogHook(FileDialogHook hook)
{
    fileDialogHook() = std::move(hook);
}

void MacroLibraryCommands::fillList(const QString &select)
{
    const QSignalBlocker block(m_list);
    const int oldRow = m_list->currentRow();
    m_list->clear();
    const QStringList names = macroLibrary();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(m_batch ? QString() : name, m_list);
        item->setData(Qt::UserRole, name);
        if (m_batch) {
            auto *box = new QCheckBox(name);
            box->setStyleSheet(QStringLiteral("QCheckBox{color:rgb(255,255,255)}"));
            box->setFont(UiScale::languageFont());
            m_list->setItemWidget(item, box);
        }
    }
    int row = names.indexOf(select);
    if (row < 0)
        row = qBound(0, oldRow, names.size() - 1);
    if (!names.isEmpty())
        m_list->setCurrentRow(row);
}

QString MacroLibraryCommands::selected() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void MacroLibraryCommands::setCurrent(const QString &name)
{
    m_current = name;
    m_nameEdit->setText(name);
}

bool MacroLibraryCommands::refuseFullLibrary()
{
    if (macroLibraryCount() < kMacroLibrarySlots)
        return false;
    showMacroWarning(m_page,
                     QCoreApplication::translate("MacroDialog", "TOO MANY MACROS TO BE CREATE!"),
                     VornMessageBox::YesNo, QCoreApplication::translate("MacroDialog", "WARNING"));
    return true;
}

bool MacroLibraryCommands::run(MacroPageControls::Control button)
{
    using C = MacroPageControls;
    switch (button) {
    case C::NewMacro:
        newMacro();
        return true;
    case C::DeleteMacro:
        deleteMacro();
        return true;
    case C::ChangeName:
        changeName();
        return true;
    case C::Import:
        importMacros();
        return true;
    case C::Export:
        exportMacros();
        return true;
    case C::Batch:
        toggleBatch();
        return true;
    case C::GunSet:
        runGunSet();
        return true;
    default:
        return false;
    }
}

void MacroLibraryCommands::newMacro()
{
    if (refuseFullLibrary())
        return;
    const QString name = newMacroName();
    emit freshMacro(kNoDelays);
    MacroFileData macro;
    macro.defaultDelay = 10;
    macro.loopTime = 1;
    if (!writeMacroFile(name, macro) || !addToMacroLibrary(name)) {
        deleteMacroFile(name);
        showMacroWarning(m_page, notWrittenMessage());
        return;
    }
    fillList(name);
    setCurrent(name);
}

void MacroLibraryCommands::deleteMacro()
{
    if (m_list->count() == 0)
        return;
    const QString name = selected();
    if (name.isEmpty())
        return;
    m_current = name;
    removeFromMacroLibrary(name);
    deleteMacroFile(name);
    fillList();
    emit loadRequested(selected());
}

void MacroLibraryCommands::changeName()
{
    if (m_list->count() == 0)
        return;
    const QString current = selected();
    const QString wanted = m_nameEdit->text();
    if (wanted == current)
        return;
    if (!isSafeMacroName(wanted)) {
        showMacroWarning(m_page, unsafeMacroNameMessage(wanted));
        return;
    }
    const QString name = renameMacro(current, wanted);
    if (name.isEmpty())
        return;
    fillList(name);
    setCurrent(name);
}

void MacroLibraryCommands::importMacros()
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
    fillList(last);
    if (!m_batch)
        emit loadRequested(selected());
    if (!problems.isEmpty())
        showMacroWarning(m_page, problems.join(QLatin1Char('\n')));
}

void MacroLibraryCommands::exportMacros()
{
    if (!m_batch) {
        const QString name = selected();
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
    for (int i = 0; i < m_list->count(); ++i) {
        auto *box = qobject_cast<QCheckBox *>(m_list->itemWidget(m_list->item(i)));
        if (!box || !box->isChecked())
            continue;
        const QString name = m_list->item(i)->data(Qt::UserRole).toString();
        QFile::copy(macroFilePath(name),
                    folder.first() + QLatin1Char('/') + name + kMacroFileSuffix);
    }
}

void MacroLibraryCommands::toggleBatch()
{
    m_batch = !m_batch;
    emit batchChanged(m_batch);
    fillList(m_current);
}

void MacroLibraryCommands::runGunSet()
{
    if (refuseFullLibrary())
        return;
    VornGunsetDialog dialog(m_page, UiScale::factor());
    if (dialog.exec() != QDialog::Accepted)
        return;
    addGunFile(dialog.fileName(), dialog.events());
}

void MacroLibraryCommands::addGunFile(const QString &wanted, const QVector<MacroEvent> &events)
{
    if (!isSafeMacroName(wanted)) {
        showMacroWarning(m_page, unsafeMacroNameMessage(wanted));
        return;
    }
    if (refuseFullLibrary())
        return;
    const QString name = uniqueMacroName(wanted);
    emit freshMacro(kRecordDelays);
    m_nameEdit->setText(name);
    if (!writeGunFile(name, events) || !addToMacroLibrary(name)) {
        deleteMacroFile(name);
        showMacroWarning(m_page, notWrittenMessage());
        return;
    }
    fillList(name);
    emit loadRequested(name);
}

QStringList MacroLibraryCommands::askFiles(FileDialog kind)
{
    const QStringList chosen = fileDialogHook() ? fileDialogHook()(kind) : runFileDialog(kind);
    if (!chosen.isEmpty())
        rememberFileDialogChoice(chosen.first(), kind == ChooseFolder);
    return chosen;
}

QStringList MacroLibraryCommands::runFileDialog(FileDialog kind)
{
    const QString caption = kind == OpenOne || kind == OpenMany
                                ? QCoreApplication::translate("MacroDialog", "Load Macro File")
                                : QCoreApplication::translate("MacroDialog", "Save Macro File");
    const QString filter = QCoreApplication::translate("MacroDialog", "Macro File(*.MSMACRO)");
    const QString folder = fileDialogFolder();
    switch (kind) {
    case OpenOne: {
        const QString file = QFileDialog::getOpenFileName(m_page, caption, folder, filter);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case OpenMany:
        return QFileDialog::getOpenFileNames(m_page, caption, folder, filter);
    case SaveOne: {
        const QString file = saveFileName(m_page, caption, filter, kMacroFileSuffix);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case ChooseFolder: {
        const QString dir =
            QFileDialog::getExistingDirectory(m_page, caption, folder, QFileDialog::ShowDirsOnly);
        return dir.isEmpty() ? QStringList() : QStringList{dir};
    }
    }
    return {};
}
