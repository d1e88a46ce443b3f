#include "platform/KeyboardCapture.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

class KeyboardCaptureWin;

// The hook procedure gets no context: the started captures are listed
// here, the most recently started first, and share one hook.
struct HookTargets
{
    HHOOK hook = nullptr;
    std::vector<KeyboardCaptureWin *> captures;
};

HookTargets &hookTargets()
{
    static HookTargets targets;
    return targets;
}

LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam);

class KeyboardCaptureWin : public KeyboardCapture
{
public:
    explicit KeyboardCaptureWin(QObject *parent) : KeyboardCapture(parent) {}
    ~KeyboardCaptureWin() override { stop(); }

    bool start(QWidget *target) override
    {
        Q_UNUSED(target) // the hook sees the whole desktop
        HookTargets &targets = hookTargets();
        if (!targets.hook) {
            targets.hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, nullptr, 0);
            if (!targets.hook)
                return false;
        }
        if (!isActive())
            targets.captures.insert(targets.captures.begin(), this);
        return true;
    }

    void stop() override
    {
        HookTargets &targets = hookTargets();
        auto it = std::find(targets.captures.begin(), targets.captures.end(), this);
        if (it == targets.captures.end())
            return;
        targets.captures.erase(it);
        if (targets.captures.empty() && targets.hook) {
            UnhookWindowsHookEx(targets.hook);
            targets.hook = nullptr;
        }
    }

    bool isActive() const override
    {
        const HookTargets &targets = hookTargets();
        return std::find(targets.captures.begin(), targets.captures.end(), this) !=
               targets.captures.end();
    }

    void deliver(KeyRecord &record) { emit keyEvent(record); }
};

// Runs on the GUI thread inside its message loop. The record a handler
// rewrote (a renumbered scan code) is what the next hook sees; the key is
// always passed on.
LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        auto *event = reinterpret_cast<KBDLLHOOKSTRUCT *>(lParam);
        KeyRecord record;
        record.vkCode = event->vkCode;
        record.scanCode = event->scanCode;
        record.flags = event->flags;
        // A handler may stop (or delete) a capture: walk a copy and skip
        // the ones that left the list meanwhile.
        const std::vector<KeyboardCaptureWin *> captures = hookTargets().captures;
        for (KeyboardCaptureWin *capture : captures) {
            const std::vector<KeyboardCaptureWin *> &now = hookTargets().captures;
            if (std::find(now.begin(), now.end(), capture) != now.end())
                capture->deliver(record);
        }
        event->scanCode = record.scanCode;
        event->flags = record.flags;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

KeyboardCapture *KeyboardCapture::create(QObject *parent)
{
    return new KeyboardCaptureWin(parent);
}
