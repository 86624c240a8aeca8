set(ABOUT_PLAIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LinkCommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinkGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OpenErrorText.cpp)
set(ABOUT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LinkLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VersionDlg.cpp)
