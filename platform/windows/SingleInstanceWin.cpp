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

std::unique_ptr<SingleInstance> SingleInstance::create()
{
    return std::make_unique<NamedMutexInstance>();
}
