#include "tests/windows/TestApp.h"

CTestApp theApp;
