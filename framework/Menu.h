#pragma once
// CMenu: a menu loaded from the program's resources, destroyed with the object.

#include "Win32.h"

class CMenu {
public:
    CMenu() : m_hMenu(nullptr) {}
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();
    HMENU GetSubMenu(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }

    HMENU m_hMenu;
};
