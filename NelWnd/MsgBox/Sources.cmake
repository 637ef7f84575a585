# Sources of NelWnd/MsgBox (full paths): the message box and the
# library's version functions.
set(NELWND_MSGBOX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/NelVersion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelMsgBoxRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelMsgBoxW.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelMsgBoxA.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelMsgBoxEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelMsgBoxHelpCall.cpp
)
