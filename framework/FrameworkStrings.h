#pragma once
// String resources the framework itself shows. The program's resource
// script includes FrameworkStrings.rc, which holds their texts.

#define AFX_IDS_UNTITLED 61446
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 61703
// File-error reports: this base plus the cause, 0 to 14.
#define AFX_IDP_FILE_NONE 61856
