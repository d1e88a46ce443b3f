#include "app/ProfileFileCommands.h"

#include "store/ConfigFile.h"
#include "store/DataFolderLock.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"
#include "store/ProfileTransfer.h"
#include "store/StoreContext.h"
#include "widgets/FileDialogs.h"
#include "widgets/Skin.h"
#include "widgets/UiLog.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

namespace {

const QString kProfileSuffix = QStringLiteral(".prof");

int currentMode()
{
    return StoreContext::store().curProfile % kProfileCount;
}

} // namespace

ProfileFileCommands::ProfileFileCommands(QWidget *window, VornLineEdit *nameEdit,
                                         VornPushButton *menuButton, VornMenu *menu)
    : QObject(window)
    , m_window(window)
    , m_nameEdit(nameEdit)
    , m_menuButton(menuButton)
    , m_menu(menu)
{
    // Long lists scroll instead of spreading into columns.
    m_menu->setStyleSheet(Skin::menuStyleSheet() + QStringLiteral("QMenu{menu-scrollable:1;}"));
    m_saveDialog = [this](const QString &caption, const QString &filter) {
        return saveFileName(m_window, caption, filter, kProfileSuffix);
    };
    m_openDialog = [this](const QString &caption, const QString &filter) {
        return QFileDialog::getOpenFileName(m_window, caption, fileDialogFolder(), filter);
    };
}

void ProfileFileCommands::setFileDialogs(FileDialog save, FileDialog open)
{
    m_saveDialog = std::move(save);
    m_openDialog = std::move(open);
}

void ProfileFileCommands::reloadList()
{
    readSavedNames(m_list);
    // A hand-edited Config.ini may name a mode's file in a way no file may
    // be named; say so once the window is up rather than lose it silently.
    QTimer::singleShot(0, this, &ProfileFileCommands::reportUnsafeStoreNames);
}

void ProfileFileCommands::refreshList()
{
    QStringList list;
    readSavedNames(list);
    if (list == m_list)
        return;
    m_list = list;
    rebuildMenu();
}

void ProfileFileCommands::reportUnsafeStoreNames()
{
    const ProfileStore &store = StoreContext::store();
    QStringList lines;
    for (int i = 0; i < kProfileCount; ++i) {
        if (!isSafeProfileName(store.profileNames[i]))
            lines << tr("Mode %1: \"%2\"").arg(i + 1).arg(store.profileNames[i]);
    }
    if (!lines.isEmpty())
        warn(tr("These profile names cannot be file names, so their profiles were neither "
                "loaded nor saved. Rename them:") +
             QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
}

void ProfileFileCommands::rebuildMenu()
{
    m_menu->clear(); // deletes the old actions
    for (int i = 0; i < m_list.size(); ++i) {
        // "&" would otherwise mark a shortcut and vanish from the text.
        QString text = m_list.at(i);
        auto *action = new VornAction(text.replace(QLatin1Char('&'), QLatin1String("&&")), m_menu);
        m_menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, i](bool) { choose(i); });
    }
    m_menu->setFixedWidth(int(152 * UiScale::factor()));
    m_menuButton->setMenu(m_menu);
}

void ProfileFileCommands::run(Command command)
{
    switch (command) {
    case Save:
        exportProfile();
        break;
    case Load:
        importProfile();
        break;
    case Reset:
        resetProfile();
        break;
    case Add:
        addProfile();
        break;
    case Delete:
        deleteProfile();
        break;
    case Copy:
        copyProfile();
        break;
    }
}

int ProfileFileCommands::warn(const QString &text, bool ask)
{
    VornMessageBox box(ask ? VornMessageBox::YesNo : VornMessageBox::Ok, QString(), tr("Warning"),
                       text, m_window, false, Qt::FramelessWindowHint);
    return box.exec();
}

bool ProfileFileCommands::refuseName(const QString &name)
{
    const NameProblem problem = profileNameProblem(name);
    if (problem == NameProblem::None)
        return false;
    const QString text = tr("This name cannot be used for a profile: %1.")
                             .arg(nameProblemText(problem, profileNameLimits()));
    warn(text);
    return true;
}

QStringList ProfileFileCommands::otherModesNames() const
{
    return ::otherModesNames(StoreContext::store(), currentMode());
}

bool ProfileFileCommands::otherModeUses(const QString &name) const
{
    return otherModesNames().contains(name);
}

bool ProfileFileCommands::commitList(const QStringList &wanted)
{
    // Names another program added since the list was read stay in it.
    const DataFolderLock lock;
    QStringList list = wanted;
    QStringList onDisk;
    readSavedNames(onDisk);
    for (const QString &name : qAsConst(onDisk)) {
        if (!m_list.contains(name) && !list.contains(name))
            list.append(name);
    }
    if (!writeSavedNames(list)) {
        warn(tr("The profile list could not be saved to %1.")
                 .arg(QDir::toNativeSeparators(productConfigPath())));
        return false;
    }
    m_list = list;
    return true;
}

void ProfileFileCommands::showCurrentName()
{
    m_nameEdit->setText(StoreContext::store().profileNames[currentMode()]);
}

bool ProfileFileCommands::keepLeavingRecord()
{
    // The mode's record, with the panels' edits, goes to its own file
    // before another file replaces it in the store; nothing is sent.
    emit collectRequested();
    const ProfileStore &store = StoreContext::store();
    const ProfileData &rec = store.profiles[currentMode()];
    const QString name = store.profileNames[currentMode()];
    if (!isSafeProfileName(name))
        return true; // it has no file to keep anything in
    ProfileData onDisk;
    loadProfileFile(onDisk, name);
    // Neither is an edit: the name follows the mode's file, the path is
    // not kept in it.
    onDisk.ProfileName = rec.ProfileName;
    onDisk.ProfilePath = rec.ProfilePath;
    if (onDisk == rec || saveProfileFile(rec, name))
        return true;
    warn(tr("The profile file could not be written.") + QLatin1Char('\n') +
         QDir::toNativeSeparators(profileFilePath(name)));
    return false;
}

void ProfileFileCommands::choose(int index)
{
    if (index < 0 || index >= m_list.size())
        return;
    const QString name = m_list.at(index);
    if (otherModeUses(name)) {
        warn(tr("Profile is Already Used!"));
        return;
    }
    if (!isSafeProfileName(name) && refuseName(name))
        return;
    if (!keepLeavingRecord())
        return;
    ProfileStore &store = StoreContext::store();
    const int mode = currentMode();
    m_nameEdit->setText(name);
    store.profileNames[mode] = name;
    loadProfileFile(store.profiles[mode], name);
    store.profiles[mode].ProfileName = name;
    emit recordsChanged();
}

void ProfileFileCommands::addProfile()
{
    const QString name = firstFreeProfileName(otherModesNames());
    if (!keepLeavingRecord())
        return;
    QString error;
    if (!createProfileFromDefault(name, &error)) {
        warn(tr("The profile file could not be written.") + QLatin1Char('\n') + error);
        return;
    }
    QStringList list = m_list;
    // A listed name whose file had gone is not listed twice.
    if (!list.contains(name))
        list.append(name);
    if (!commitList(list)) {
        deleteProfileFile(name, nullptr);
        return;
    }
    ProfileStore &store = StoreContext::store();
    const int mode = currentMode();
    m_nameEdit->setText(name);
    store.profileNames[mode] = name;
    rebuildMenu();
    readProfile(store.profiles[mode], profileFilePath(name));
    emit recordsChanged();
}

void ProfileFileCommands::deleteProfile()
{
    if (m_list.size() < 2) {
        warn(tr("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    ProfileStore &store = StoreContext::store();
    const int mode = currentMode();
    // The mode's own profile, whatever has been typed into the edit without
    // Enter: a half-typed name must not delete another profile's file.
    const QString name = store.profileNames[mode];
    showCurrentName();
    if (isDefaultProfileName(name)) {
        warn(tr("The default Profile cannot be deleted or renamed."));
        return;
    }
    if (warn(tr("Are you sure you want delete this profile?"), true) != 1)
        return;

    const int position = m_list.indexOf(name);
    const QString replacement = replacementProfileName(m_list, position, otherModesNames(), mode);
    QStringList list = m_list;
    list.removeAll(name);
    if (!list.contains(replacement))
        list.append(replacement);
    const QStringList before = m_list;
    if (!commitList(list))
        return;
    QString error;
    // Another mode on the same file (a hand-edited Config.ini) still needs it.
    if (!otherModeUses(name) && !deleteProfileFile(name, &error)) {
        commitList(before);
        warn(tr("The profile file could not be deleted.") + QLatin1Char('\n') + error);
        return;
    }
    // A default name taken as the last resort may have lost its file too.
    if (!profileFileExists(replacement))
        createProfileFromDefault(replacement, nullptr);
    store.profileNames[mode] = replacement;
    m_nameEdit->setText(replacement);
    rebuildMenu();
    readProfile(store.profiles[mode], profileFilePath(replacement));
    emit recordsChanged();
}

void ProfileFileCommands::copyProfile()
{
    ProfileStore &store = StoreContext::store();
    const int mode = currentMode();
    const QString name = store.profileNames[mode];
    const QString target = copyProfileName(name, otherModesNames() + m_list);
    if (refuseName(target))
        return;
    QString error;
    if (!copyProfileFile(profileFilePath(name), profileFilePath(target), &error)) {
        warn(tr("The profile file could not be written.") + QLatin1Char('\n') + error);
        return;
    }
    if (!commitList(m_list + QStringList{target})) {
        deleteProfileFile(target, nullptr);
        return;
    }
    m_nameEdit->setText(target);
    store.profileNames[mode] = target;
    rebuildMenu();
}

void ProfileFileCommands::renameProfile()
{
    ProfileStore &store = StoreContext::store();
    const int mode = currentMode();
    const QString oldName = store.profileNames[mode];
    const QString newName = m_nameEdit->text();
    if (isDefaultProfileName(oldName)) {
        warn(tr("The default Profile cannot be deleted or renamed."));
        m_nameEdit->setText(oldName);
        return;
    }
    if (newName == oldName)
        return;
    if (refuseName(newName))
        return;
    // A listed name or another mode's name is taken even while its file is
    // missing: two entries would end up sharing one file.
    if (profileFileExists(newName) || m_list.contains(newName) || otherModeUses(newName)) {
        warn(tr("Profile Exist!"));
        return;
    }
    const QString oldPath = isSafeProfileName(oldName) ? profileFilePath(oldName) : QString();
    QString error;
    if (!renameProfileFile(oldPath, profileFilePath(newName), &error)) {
        warn(tr("The profile file could not be written.") + QLatin1Char('\n') + error);
        return;
    }
    QStringList list = m_list;
    const int position = list.indexOf(oldName);
    if (position >= 0)
        list[position] = newName;
    // The list follows the file, or the next start would list a name that
    // has no file any more.
    if (!commitList(list)) {
        renameProfileFile(profileFilePath(newName), oldPath, nullptr);
        return;
    }
    store.profileNames[mode] = newName;
    store.profiles[mode].ProfileName = newName;
    rebuildMenu();
    saveStoreNames(store);
}

void ProfileFileCommands::exportProfile()
{
    // LOAD lists only files with the suffix.
    const QString path = withFileSuffix(
        m_saveDialog(tr("Save Profile File"), tr("Profile File(*.prof)")), kProfileSuffix);
    if (path.isEmpty())
        return;
    rememberFileDialogChoice(path);
    const QString name = StoreContext::store().profileNames[currentMode()];
    if (exportReplacesFile(name, path) &&
        warn(
            tr("%1 already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(path)),
            true) != 1)
        return;
    QString error;
    if (!exportProfileFile(name, readProductName(), path, &error))
        warn(tr("The profile could not be exported.") + QLatin1Char('\n') + error);
}

void ProfileFileCommands::importProfile()
{
    const QString path = m_openDialog(tr("Load Profile File"), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    rememberFileDialogChoice(path);
    const QString name = importedProfileName(path);
    qCDebug(lcUi).noquote() << name;
    if (!keepLeavingRecord())
        return;
    QStringList list = m_list;
    QString error;
    switch (importProfileForMode(StoreContext::store(), currentMode(), path, readProductName(),
                                 list, &error)) {
    case ProfileImport::Imported:
        break;
    case ProfileImport::OtherModel:
        warn(tr("The file is not match current mouse!"));
        return;
    case ProfileImport::UnsafeName:
        refuseName(name);
        return;
    case ProfileImport::Exists:
        warn(tr("Profile Exist!"));
        return;
    case ProfileImport::UsedByOtherMode:
        warn(tr("Profile is Already Used!"));
        return;
    case ProfileImport::CopyFailed:
        warn(tr("The profile could not be imported.") + QLatin1Char('\n') + error);
        return;
    case ProfileImport::ListNotSaved:
        warn(tr("The profile list could not be saved to %1.")
                 .arg(QDir::toNativeSeparators(productConfigPath())));
        return;
    }
    m_list = list;
    rebuildMenu();
    emit recordsChanged();
    m_nameEdit->setText(name);
    emit uploadRequested(false);
}

void ProfileFileCommands::resetProfile()
{
    if (warn(tr("Are you sure you want reset this profile?"), true) != 1)
        return;
    ProfileStore &store = StoreContext::store();
    qCDebug(lcUi, "Accepted %d", int(store.curProfile));
    makeDefaultProfile(store.profiles[currentMode()], 0);
    emit textsChanged();
    emit recordsChanged();
    showCurrentName();
    emit uploadRequested(true);
}

void ProfileFileCommands::resetAllProfiles()
{
    if (warn(tr("Are you sure you want reset all profiles?"), true) != 1)
        return;
    initProfileStore(StoreContext::store());
    emit textsChanged();
    emit recordsChanged();
    showCurrentName();
    emit uploadRequested(true);
}
