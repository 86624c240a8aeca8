#include "../app/MainDlg.h"

void CMainDlg::SaveClassFile() {}

void CMainDlg::LoadClassFile() {}
