#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QFileSystemWatcher;
struct ProfileStore;

// Keeps the window's store in step with what other writers (korvalen-ctl,
// another window) put into the product's files. It watches the product
// folder and its Profile folder, which every atomic write changes, and
// wakes only then. The person's unsaved edits (the store against its
// baseline, and what the panels hold but have not handed back) stay on
// top of the other writer's changes.
class StoreFollower : public QObject
{
    Q_OBJECT

public:
    // `collect` hands the panels' unsaved values into a store.
    StoreFollower(QObject *parent, std::function<void(ProfileStore &)> collect);

    // Watches the folders of the current product.
    void watchCurrentProduct();
    // Reads the files now and takes in what changed; true when the store did.
    bool follow();

signals:
    // The product's files changed under the window; `records` when the
    // store took something in (the panels then show it again).
    void storeChanged(bool records);

private:
    QFileSystemWatcher *m_watcher;
    QTimer m_settle;
    std::function<void(ProfileStore &)> m_collect;
};
