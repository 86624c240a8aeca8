#include "tests/windows/WindowWatcher.h"

#include <cstring>

ActivationWatcher* ActivationWatcher::s_pActive = nullptr;

ActivationWatcher::ActivationWatcher(const char* className, std::function<void(HWND)> action)
    : m_hook(::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId())),
      m_className(className),
      m_action(std::move(action)),
      m_window(nullptr),
      m_bFired(false)
{
    s_pActive = this;
}

ActivationWatcher::~ActivationWatcher()
{
    ::UnhookWindowsHookEx(m_hook);
    s_pActive = nullptr;
}

LRESULT CALLBACK ActivationWatcher::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    ActivationWatcher* self = s_pActive;
    if (code == HCBT_ACTIVATE && self != nullptr && self->m_window == nullptr) {
        char className[64] = "";
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::strcmp(className, self->m_className) == 0) {
            self->m_window = reinterpret_cast<HWND>(wParam);
            ::SetTimer(self->m_window, 0xAC7, 50, Act);
        }
    }
    return ::CallNextHookEx(self != nullptr ? self->m_hook : nullptr, code, wParam, lParam);
}

void CALLBACK ActivationWatcher::Act(HWND window, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(window, id);
    if (s_pActive != nullptr && !s_pActive->m_bFired) {
        s_pActive->m_bFired = true;
        s_pActive->m_action(window);
    }
}

namespace {

std::function<void()>* g_soon = nullptr;

void CALLBACK RunSoonTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    std::function<void()>* action = g_soon;
    g_soon = nullptr;
    if (action != nullptr) {
        (*action)();
        delete action;
    }
}

}  // namespace

void RunSoon(std::function<void()> action)
{
    delete g_soon;
    g_soon = new std::function<void()>(std::move(action));
    ::SetTimer(nullptr, 0, 50, RunSoonTimer);
}
