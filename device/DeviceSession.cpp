#include "device/DeviceSession.h"

#include "device/DeviceAccess.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceConnection.h"
#include "device/DeviceLog.h"
#include "device/VornHidReadThread.h"
#include "platform/DeviceNotices.h"
#include "store/ConfigFile.h"

#include <QThread>

#include <algorithm>

DeviceSession::DeviceSession(QObject *parent)
    : QObject(parent), m_connection(new DeviceConnection(this))
{}

DeviceSession::~DeviceSession()
{
    stopReaders();
    closeDevice();
    exitDevice();
    // A stopped reader ends once its read fails, which closing ensures.
    for (const QPointer<VornHidReader> &reader : m_retiredReaders) {
        if (reader) {
            reader->wait(2000);
            delete reader.data();
        }
    }
}

void DeviceSession::begin(const std::function<quintptr()> &windowId)
{
    m_notices = DeviceNoticeService::create(this);
    connect(m_notices, &DeviceNoticeService::noticeReceived, m_connection,
            &DeviceConnection::handleSystemNotice);
    if (!m_notices->start(windowId))
        qCDebug(lcDevice) << "注册失败";
    loadDeviceCatalogue();
    enumerateDevices();
    m_connection->refreshDeviceList();
}

void DeviceSession::nativeEvent(const QByteArray &eventType, void *message)
{
    if (m_notices)
        m_notices->nativeEvent(eventType, message);
}

void DeviceSession::openCurrent()
{
    openNamed(readProductName().toUtf8());
    startReaders();
}

void DeviceSession::reopen(const QString &productName, const std::function<void()> &reload)
{
    stopReaders();
    closeDevice();
    openNamed(productName.toUtf8());
    startReaders();
    if (reload)
        reload();
}

void DeviceSession::switchTo(const QString &productName, const std::function<void()> &reload)
{
    // The pauses give the readers time to see their handles go and the
    // system time to settle between closing one mouse and opening another.
    stopReaders();
    QThread::msleep(50);
    closeDevice();
    QThread::msleep(50);
    writeProductName(productName);
    openNamed(productName.toUtf8());
    QThread::msleep(50);
    if (reload)
        reload();
    startReaders();
}

void DeviceSession::openNamed(const QByteArray &productName)
{
    openDeviceByName(productName);
    const AccessProblem problem = openProblem(productName);
    if (!problem.isNull())
        emit openFailed(explainAccessProblem(problem));
}

void DeviceSession::closeAll()
{
    stopReaders();
    closeDevice();
}

void DeviceSession::startReaders()
{
    // Readers started while no mouse was open have ended by themselves;
    // they are retired like any other before new ones take their place.
    if (m_reader1 || m_reader2)
        stopReaders();
    m_reader1 = new VornHidReadThread;
    m_reader1->start(QThread::InheritPriority);
    m_reader2 = new VornHidReadThread2;
    m_reader2->start(QThread::InheritPriority);
    connect(m_reader2, &VornHidReadThread2::RefreshProfile, this, &DeviceSession::RefreshProfile);
    connect(m_reader2, &VornHidReadThread2::RefreshLightModeSignal, this,
            &DeviceSession::RefreshLightModeSignal);
    connect(m_reader2, &VornHidReadThread2::RefreshDPIStage, this, &DeviceSession::RefreshDPIStage);
    connect(m_reader2, &VornHidReadThread2::RefreshPollRate, this, &DeviceSession::RefreshPollRate);
}

void DeviceSession::stopReaders()
{
    VornHidReader *readers[] = {m_reader1, m_reader2};
    for (VornHidReader *reader : readers) {
        if (!reader)
            continue;
        reader->isStop = true;
        QThread::msleep(10);
        reader->stop();
        // The thread object goes once its loop has ended: never while it
        // runs, and never left behind.
        connect(reader, &QThread::finished, reader, &QObject::deleteLater);
        if (reader->isFinished())
            reader->deleteLater();
        m_retiredReaders.emplace_back(reader);
    }
    m_reader1 = nullptr;
    m_reader2 = nullptr;
    m_retiredReaders.erase(std::remove_if(m_retiredReaders.begin(), m_retiredReaders.end(),
                                          [](const QPointer<VornHidReader> &r) { return !r; }),
                           m_retiredReaders.end());
}
