#pragma once
// Acts on the next system window (a folder browser, a menu) while the
// modal loop that shows it runs on this thread.

#include "framework/Win32.h"

#include <functional>

// Runs action(window) once, shortly after a window whose class is className
// becomes active on this thread.
class ActivationWatcher {
public:
    ActivationWatcher(const char* className, std::function<void(HWND)> action);
    ~ActivationWatcher();
    ActivationWatcher(const ActivationWatcher&) = delete;
    ActivationWatcher& operator=(const ActivationWatcher&) = delete;
    bool Fired() const { return m_bFired; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Act(HWND, UINT, UINT_PTR, DWORD);
    HHOOK m_hook;
    const char* m_className;
    std::function<void(HWND)> m_action;
    HWND m_window;
    bool m_bFired;
    static ActivationWatcher* s_pActive;
};

// Runs action once from a thread timer, inside whatever loop is running.
void RunSoon(std::function<void()> action);
