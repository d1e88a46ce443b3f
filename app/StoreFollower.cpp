#include "app/StoreFollower.h"

#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/StoreContext.h"
#include "store/StoreSave.h"
#include "widgets/UiLog.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemWatcher>
#include <QWidget>

StoreFollower::StoreFollower(QObject *parent, std::function<void(ProfileStore &)> collect)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_collect(std::move(collect))
{
    // A writer replaces several files one after another: one look once
    // they are done.
    m_settle.setSingleShot(true);
    m_settle.setInterval(150);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, [this] {
        // Not while a dialog (an upload, a question) is open: the store is
        // in use. Looked at again once it is closed.
        if (QApplication::activeModalWidget()) {
            m_settle.start();
            return;
        }
        emit storeChanged(follow());
    });
}

void StoreFollower::watchCurrentProduct()
{
    const QStringList old = m_watcher->directories();
    if (!old.isEmpty())
        m_watcher->removePaths(old);
    const QString product = readProductName();
    if (product.isEmpty())
        return;
    const QString folder = productFolder(product);
    for (const QString &path : {folder, folder + QStringLiteral("/Profile")}) {
        if (QDir(path).exists())
            m_watcher->addPath(path);
    }
}

bool StoreFollower::follow()
{
    // A folder made since (the first save) is watched from now on.
    if (m_watcher->directories().size() < 2)
        watchCurrentProduct();
    ProfileStore &store = StoreContext::store();
    ProfileStore &baseline = StoreContext::baseline();
    ProfileStore fresh;
    loadStore(fresh);
    if (fresh == baseline)
        return false;
    ProfileStore edited = store;
    if (m_collect)
        m_collect(edited);
    ProfileStore merged = fresh;
    mergeStoreChanges(edited, baseline, merged);
    qCDebug(lcUi) << "another program changed the stored profiles";
    store = merged;
    baseline = fresh;
    return true;
}
