# Sources of NelWnd/HelpPopup (full paths).
set(NELWND_HELPPOPUP_SOURCES
)
