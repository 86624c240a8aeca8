set(FRAMEWORK_PLAIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AfxString.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MbcsBoundary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathText.cpp)
set(FRAMEWORK_WIN32_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DataExchange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTemplate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/File.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileException.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileFind.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MbcsWin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolTipCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WinApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Wnd.cpp)
# The code page 932 rules stand in for the system's in native builds.
set(FRAMEWORK_NATIVE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/MbcsCp932.cpp)
