# Sources of NelWnd/HelpPopup (full paths). The popup's body lives in the
# .inl files and is compiled once per twin by NelHelpPopupW.cpp and
# NelHelpPopupA.cpp.
set(NELWND_HELPPOPUP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupW.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupA.cpp
)
# The twins include their body; rebuild them when it changes.
set_source_files_properties(
  ${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupW.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupA.cpp
  PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupMesCtl.inl;${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupWnd.inl;${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupInit.inl;${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupPlace.inl;${CMAKE_CURRENT_LIST_DIR}/NelHelpPopupPaint.inl")
