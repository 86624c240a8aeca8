#pragma once
// Small value types and wrappers over GDI objects.

#include "Win32.h"

struct CPoint : POINT {
    CPoint(int px = 0, int py = 0) { x = px; y = py; }
};

struct CSize : SIZE {
    CSize(int width = 0, int height = 0) { cx = width; cy = height; }
};

struct CRect : RECT {
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A device context that someone else owns; it is not released here.
class CDC {
public:
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    HDC m_hDC;
};

class CFont {
public:
    CFont() : m_hObject(nullptr) {}
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONTA* logFont)
    {
        DeleteObject();
        m_hObject = ::CreateFontIndirectA(logFont);
        return m_hObject != nullptr;
    }
    BOOL DeleteObject()
    {
        if (m_hObject == nullptr)
            return FALSE;
        ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return TRUE;
    }
    operator HFONT() const { return m_hObject; }

    HFONT m_hObject;
};
