#include "FenlowApp.h"

CFenlowApp theApp;
