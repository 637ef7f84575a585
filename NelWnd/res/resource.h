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

#endif // NELWND_RESOURCE_H
