#include "app/UploadCheck.h"

#include "device/ButtonUpload.h"
#include "device/StoreUpload.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreCheck.h"
#include "store/StoreContext.h"
#include "store/StoreSave.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornProcessDialog.h"

#include <QDir>

namespace {

int ask(QWidget *parent, int kind, const QString &text)
{
    VornMessageBox box(kind, QString(), UploadCheck::tr("Warning"), text, parent, false,
                       Qt::FramelessWindowHint);
    return box.exec();
}

// A file that held nothing loaded as zeros; uploading that would leave
// every button without a function. The person may start from the model's
// defaults instead, or keep the mouse as it is.
bool replaceEmptyFiles(QWidget *parent, ProfileStore &store)
{
    const QStringList files = unreadableStoreFiles(store);
    if (files.contains(productConfigPath())) {
        const QString text =
            UploadCheck::tr("%1 is missing, empty or unreadable. Start every profile from the "
                            "mouse's defaults?")
                .arg(QDir::toNativeSeparators(productConfigPath()));
        if (ask(parent, VornMessageBox::YesNo, text) != 1)
            return false;
        initProfileStore(store);
        return true;
    }
    for (int i = 0; i < kProfileCount; ++i) {
        const QString path = profileFilePath(store.profileNames[i]);
        if (!files.contains(path))
            continue;
        const QString text =
            UploadCheck::tr("The profile file %1 is missing, empty or unreadable. Start profile "
                            "%2 from the mouse's defaults?")
                .arg(QDir::toNativeSeparators(path))
                .arg(i + 1);
        if (ask(parent, VornMessageBox::YesNo, text) != 1)
            return false;
        makeDefaultProfile(store.profiles[i], quint8(i));
        store.profiles[i].ProfileName = store.profileNames[i];
    }
    return true;
}

} // namespace

bool UploadCheck::mayUpload(QWidget *parent)
{
    ProfileStore &store = StoreContext::store();
    if (!replaceEmptyFiles(parent, store))
        return false;
    const QVector<StoreProblem> problems = storeProblems(store);
    if (!problems.isEmpty()) {
        QStringList lines;
        for (const StoreProblem &p : problems) {
            lines << tr("%1: %2 = %3 (allowed: %4)")
                         .arg(QDir::toNativeSeparators(p.file), p.key, p.value, p.allowed);
        }
        ask(parent, VornMessageBox::Ok,
            tr("Nothing was sent: the mouse has no setting for these values.") +
                QStringLiteral("\n") + lines.join(QLatin1Char('\n')));
        return false;
    }
    const QStringList macros = missingMacros(store);
    if (!macros.isEmpty()) {
        ask(parent, VornMessageBox::Ok,
            tr("These macros have no file; their buttons get pauses only: %1")
                .arg(macros.join(QStringLiteral(", "))));
    }
    return true;
}

void uploadStoreWithProgress(QWidget *parent, bool threaded)
{
    if (!UploadCheck::mayUpload(parent))
        return;
    // Saved first, and only what this window changed, onto the files as
    // they are now: a save that fails stops the upload before anything
    // is sent, so the mouse never holds what the files do not.
    StoreSaveFailure failure;
    if (!saveStoreChanges(StoreContext::store(), StoreContext::baseline(), &failure)) {
        ask(parent, VornMessageBox::Ok,
            UploadCheck::tr("The settings could not be saved to %1: %2. Nothing was sent to the "
                            "mouse.")
                .arg(failure.file, failure.cause));
        return;
    }
    UploadStep failed;
    VornProcessDialog dialog(
        [&failed](const VornProcessDialog::Progress &progress) {
            const ProfileStore copy = StoreContext::store();
            progress(50);
            ApplyStore(copy, [&failed](const UploadStep &step) {
                if (!step.ok && !step.hostSetting && failed.ok)
                    failed = step;
            });
        },
        parent);
    if (!threaded) {
        dialog.startDelayed();
        dialog.exec();
    } else {
        auto *thread = new VornProcessThread;
        QObject::connect(thread, &VornProcessThread::DoProcessDlg, &dialog,
                         &VornProcessDialog::slotProcessDlg);
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start(QThread::InheritPriority);
        dialog.exec();
    }
    if (!failed.ok)
        UploadCheck::reportFailedStep(parent, failed.name, failed.problem);
}

void UploadCheck::reportFailedStep(QWidget *parent, const QString &step, const QString &problem)
{
    ask(parent, VornMessageBox::Ok,
        tr("The mouse did not take every setting: %1 failed (%2). Replug the mouse and try "
           "again; if it fails again, start the program with KORVALEN_HID_TRACE=<file> and "
           "send that file to support.")
            .arg(step, problem));
}
