// Resource ids of Fenlow.rc.
#pragma once

#define IDD_VERSION 100
#define IDS_VERSION_MENU 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDD_CLASS 130
#define IDB_TITLE 132
#define IDD_OPTION 135
#define IDR_CONTEXT_MENU 141

// Class window
#define IDC_CLASS_NAME 1003
#define IDC_CLASS_FOLDER 1004
#define IDC_BROWSE 1005

// Main window
#define IDC_CLASS_BUTTON_BASE 1006  // class button n is this plus n
#define IDC_CLASS_BUTTON1 1007
#define IDC_CLASS_BUTTON8 1014
#define IDC_BASE_FOLDER 1015
#define IDC_LOAD 1020
#define IDC_SAVE 1021
#define IDC_OPTION 1022
#define IDC_PICTURE 1029

// Option dialog
#define IDC_TYPE_LINK 1022
#define IDC_TYPE_COPY 1023
#define IDC_AUTO_SAVE 1024
#define IDC_TYPE_MOVE 1027

// Version dialog
#define IDC_AUTHOR_LINK 1018
#define IDC_MAKER_LINK 1019

// Context menu and system menu
#define ID_README 32771
#define ID_SAVE 32772
#define ID_LOAD 32773
#define ID_CLOSE_ALL 32774
#define ID_OPEN_ALL 32776
#define ID_VERSION_INFO 32777
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
