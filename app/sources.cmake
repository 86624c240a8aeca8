set(APP_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BrowseForFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FenlowApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDlg.cpp)
