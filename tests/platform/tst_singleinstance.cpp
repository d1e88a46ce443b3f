#include "common/TestHome.h"

#include "platform/SingleInstance.h"

#include <QProcess>
#include <QtTest>

#include <cstdio>

// The test binary doubles as the "other instance": started with
// --hold-lock it takes the claim, says so, and keeps it until its standard
// input closes.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    bool startHolder(QProcess &holder)
    {
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock")});
        if (!holder.waitForStarted(5000) || !holder.waitForReadyRead(5000))
            return false;
        return holder.readAll().startsWith("locked");
    }

    QString lockFile() const
    {
        return m_home->runtimeDir() + QStringLiteral("/korvalen-config.lock");
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void aSecondInstanceIsRefused()
    {
        QProcess holder;
        QVERIFY(startHolder(holder));
        QVERIFY(QFile::exists(lockFile()));
        auto second = SingleInstance::create();
        QVERIFY(!second->tryAcquire());

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QCOMPARE(holder.exitCode(), 0);
        QVERIFY(second->tryAcquire());
    }

    void theLockOfADeadProcessIsTakenOver()
    {
        QProcess holder;
        QVERIFY(startHolder(holder));
        holder.kill(); // no chance to release the lock
        QVERIFY(holder.waitForFinished(5000));
        QVERIFY(QFile::exists(lockFile()));
        auto next = SingleInstance::create();
        QVERIFY(next->tryAcquire());
    }

    void twoClaimsInOneProcess()
    {
        auto first = SingleInstance::create();
        QVERIFY(first->tryAcquire());
        QVERIFY(first->tryAcquire()); // asking again keeps the claim
        auto second = SingleInstance::create();
        QVERIFY(!second->tryAcquire());
        first.reset();
        QVERIFY(second->tryAcquire());
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--hold-lock") == 0) {
        auto instance = SingleInstance::create();
        if (!instance->tryAcquire())
            return 1;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
