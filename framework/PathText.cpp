#include "PathText.h"

CString TitleOfFileName(const CString& name)
{
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}
