#pragma once
// Every framework header reaches Windows through here, so the target
// version is set once: Windows XP.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#endif
#ifndef WINVER
#define WINVER 0x0501
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
// windowsx.h's macro would take the framework's member of the same name.
#undef SubclassWindow
