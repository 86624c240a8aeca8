#pragma once
// Framework exceptions carry their own report for the user.

#include "Win32.h"

class CException {
public:
    virtual ~CException() {}
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const = 0;
};
