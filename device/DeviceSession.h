#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class DeviceConnection;
class DeviceNoticeService;
class VornHidReader;
class VornHidReadThread;
class VornHidReadThread2;

// The connection to the mouse that a front end drives: device notices,
// the catalogue and the device list, opening and closing the two
// interfaces, the two reader threads, and the fixed sequences (with their
// delays) that run when the mouse changes. No widgets: the window supplies
// what has to be reloaded between the steps.
class DeviceSession final : public QObject
{
    Q_OBJECT

public:
    explicit DeviceSession(QObject *parent = nullptr);
    // Stops the readers, closes both interfaces and ends the HID library;
    // waits for readers still finishing their last read.
    ~DeviceSession() override;

    // Registers for device notices (windowId gives the native window that
    // receives them, asked for only where the system sends window messages),
    // loads the catalogue, enumerates the HID devices and refreshes the
    // device list.
    void begin(const std::function<quintptr()> &windowId);
    // The window hands its native events over (device change messages).
    void nativeEvent(const QByteArray &eventType, void *message);

    DeviceConnection *connection() const { return m_connection; }

    // Opens the mouse named by "Config/CurrentProductName" and starts the
    // readers: at start and when the first mouse arrives.
    void openCurrent();
    // The active mouse went away while another remains: stop, close, open
    // that one and start the readers, then reload().
    void reopen(const QString &productName, const std::function<void()> &reload);
    // The user chose another mouse: stop the readers, close, make it the
    // current product, open it, reload() and only then start the readers.
    void switchTo(const QString &productName, const std::function<void()> &reload);
    // The last mouse went away.
    void closeAll();

    void startReaders();
    void stopReaders();
    bool readersRunning() const { return m_reader1 && m_reader2; }

signals:
    // The interface-1 reader's status reports, delivered on this object's
    // thread.
    void RefreshProfile(quint8 iProfile);
    void RefreshLightModeSignal(quint8 iBuff1, quint8 iBuff2);
    void RefreshDPIStage(quint8 iDPI);
    void RefreshPollRate(quint8 iRate);
    // A present mouse could not be opened; the text says why and what to do.
    void openFailed(const QString &explanation);

private:
    void openNamed(const QByteArray &productName);

    DeviceConnection *m_connection = nullptr;
    DeviceNoticeService *m_notices = nullptr;
    VornHidReadThread *m_reader1 = nullptr;
    VornHidReadThread2 *m_reader2 = nullptr;
    // Stopped readers still finishing their last read; deleted once done.
    std::vector<QPointer<VornHidReader>> m_retiredReaders;
};
