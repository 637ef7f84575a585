# Sources of NelWnd/XPBtn (full paths).
set(NELWND_XPBTN_SOURCES
)
