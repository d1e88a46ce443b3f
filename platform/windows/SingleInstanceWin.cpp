#include "platform/SingleInstance.h"

#include <windows.h>

namespace {

class NamedMutexInstance final : public SingleInstance
{
public:
    // The handle stays open for the life of the process; the system
    // releases the mutex when the process ends.
    bool tryAcquire() override
    {
        if (m_mutex)
            return true;
        HANDLE mutex = CreateMutexW(nullptr, TRUE, L"KORVALEN Gaming Mouse Mutex");
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            if (mutex)
                CloseHandle(mutex);
            return false;
        }
        m_mutex = mutex;
        return true;
    }

private:
    HANDLE m_mutex = nullptr;
};

} // namespace

// A pipe name is global to the machine; the user name keeps sessions of
// different users apart.
QString SingleInstance::showChannelName()
{
    return QStringLiteral("korvalen-config-show-") + QString::fromLocal8Bit(qgetenv("USERNAME"));
}

std::unique_ptr<SingleInstance> SingleInstance::create()
{
    return std::make_unique<NamedMutexInstance>();
}
