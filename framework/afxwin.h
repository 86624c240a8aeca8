#pragma once
// The framework in one include.

#include "AfxString.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "File.h"
#include "FileFind.h"
#include "Gdi.h"
#include "Menu.h"
#include "MessageBox.h"
#include "Static.h"
#include "ToolTipCtrl.h"
#include "WinApp.h"
#include "Wnd.h"
