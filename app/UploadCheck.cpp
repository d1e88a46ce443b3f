#include "app/UploadCheck.h"

#include "device/ButtonUpload.h"
#include "device/StoreUpload.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreCheck.h"
#include "store/StoreContext.h"
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
    VornProcessDialog dialog(
        [](const VornProcessDialog::Progress &progress) {
            const ProfileStore copy = StoreContext::store();
            saveStore(copy);
            progress(50);
            ApplyStore(copy);
        },
        parent);
    if (!threaded) {
        dialog.startDelayed();
        dialog.exec();
        return;
    }
    auto *thread = new VornProcessThread;
    QObject::connect(thread, &VornProcessThread::DoProcessDlg, &dialog,
                     &VornProcessDialog::slotProcessDlg);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
    dialog.exec();
}
