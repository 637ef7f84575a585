# Sources of NelWnd/MsgBox (full paths): the message box and the
# library's version functions.
set(NELWND_MSGBOX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/NelVersion.cpp
)
