// Resource IDs of the NelWnd library, shared by the C++ sources and
// NelWnd.rc. Plain #defines only, so that both the compiler and the
// resource compiler can read this file.
//
// Ranges in use or reserved:
//   2            manifest (ISOLATIONAWARE_MANIFEST_RESOURCE_ID, from winuser.h)
//   101 - 102    dialog templates of the message box and the help popup
//   103 - 106    pictures of the message box
//   3001 - 3018  button captions of the message box
#ifndef NELWND_RESOURCE_H
#define NELWND_RESOURCE_H

// Help popup: balloon dialog and its clickable text control.
#define IDD_NEL_HELPPOPUP        101
#define IDC_NEL_HELPPOPUP_MES    1002

// Message box dialog: three button slots, picture and text.
#define IDD_NEL_MSGBOX           102
#define IDC_NEL_MSGBOX_BTN1      1002
#define IDC_NEL_MSGBOX_ICON      1003
#define IDC_NEL_MSGBOX_TEXT      1004
#define IDC_NEL_MSGBOX_BTN2      1005
#define IDC_NEL_MSGBOX_BTN3      1006

// Message box pictures: 48x48, 256 colours, RGB(0,128,128) is transparent.
#define IDB_NEL_MSGBOX_WARNING   103
#define IDB_NEL_MSGBOX_INFO      104
#define IDB_NEL_MSGBOX_QUESTION  105
#define IDB_NEL_MSGBOX_ERROR     106

// Message box button captions: Japanese at the odd ID, English at the next.
#define IDS_NEL_MB_OK            3001
#define IDS_NEL_MB_CANCEL        3003
#define IDS_NEL_MB_YES           3005
#define IDS_NEL_MB_NO            3007
#define IDS_NEL_MB_ABORT         3009
#define IDS_NEL_MB_CONTINUE      3011
#define IDS_NEL_MB_IGNORE        3013
#define IDS_NEL_MB_RETRY         3015
#define IDS_NEL_MB_TRYAGAIN      3017

#endif // NELWND_RESOURCE_H
