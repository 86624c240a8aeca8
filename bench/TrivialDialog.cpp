// The yardstick for start-up: a dialog program that does nothing else.
#include <windows.h>

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(dialog, 0);
        return TRUE;
    }
    if (message == WM_CLOSE) {
        ::EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, DialogProc, 0));
}
