#pragma once
// CStatic: a static control of a dialog, attached through DDX_Control.

#include "Wnd.h"

class CStatic : public CWnd {};
