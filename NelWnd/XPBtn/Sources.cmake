# Sources of NelWnd/XPBtn (full paths).
set(NELWND_XPBTN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/NelXPBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelXPBtnProc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelXPBtnDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelXPBtnMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelXPBtnColors.cpp
)
