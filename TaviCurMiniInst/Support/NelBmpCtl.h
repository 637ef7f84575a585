// CNelBmpCtl: turns a static control of a dialog into an image display
// that paints one picture at its top-left corner: an icon or cursor (one
// frame of an animated cursor), a bitmap drawn through its mask, or one
// image of the shell's system image list. Precedence when painting: icon,
// then bitmap, then image list.
//
// The control does not own the pictures: the caller keeps the handles
// alive while they are shown and frees them afterwards. Destruction does
// not undo the subclassing; the object lives as long as its dialog.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CNelBmpCtl {
public:
    CNelBmpCtl();
    virtual ~CNelBmpCtl();

    HWND GetHwnd() const { return m_hWnd; }

    // Takes over dialog item id of parent (owner-drawn from now on).
    // module NULL stands for the program's module. FALSE when the window
    // procedure cannot be replaced; nothing is changed then.
    BOOL HookDlgItem(int id, HWND parent, HINSTANCE module);

    // A bitmap and its mask (white = transparent, see NelGDICreateMaskBmp).
    // Both must be given.
    BOOL SetBitmap(HBITMAP bitmap, HBITMAP mask);
    // An icon or cursor; frame is the step of an animated cursor.
    BOOL SetIcon(HICON icon, int frame);
    BOOL SetIcon(HICON icon);
    // The shell's icon for path (large, or small when smallIcon is non-zero).
    BOOL SetFileIcon(const wchar_t* path, BOOL smallIcon);
    // Resizes the control to the picture; FALSE while there is no size.
    BOOL FitToImage();

    // Paints the picture (WM_PAINT).
    int OnPaint();

    static LRESULT CALLBACK BmpCtlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;              // the static control
    HWND m_hParent;           // the dialog
    HINSTANCE m_hInst;        // module handle
    int m_nID;                // control identifier
    WNDPROC m_pfnOldProc;     // window procedure before subclassing
    HIMAGELIST m_hImageList;  // system image list, when a file icon is shown
    HICON m_hIcon;            // icon or cursor to show
    HBITMAP m_hBitmap;        // bitmap to show
    HBITMAP m_hMask;          // its mask
    int m_cx, m_cy;           // picture size
    int m_nIndex;             // animation frame, or index in the image list
    BOOL m_bHooked;           // window procedure replaced

private:
    CNelBmpCtl(const CNelBmpCtl&) = delete;
    CNelBmpCtl& operator=(const CNelBmpCtl&) = delete;
    BOOL SizeFromIcon(HICON icon);
};
