// Path and file-system helpers of the installer: existence and directory
// tests, folder creation, shell special folders and icons, the folder
// browser, the stored spelling of a path and version-resource strings, over
// wide-character paths. Each returns its answer directly and shows no
// message; callers choose what to tell the user. Functions that call the
// shell initialise COM around the call themselves.
#pragma once
#include <windows.h>
#include <shlobj.h>
#include "Str/NelStr.h"

// TRUE when path is non-null and names an existing directory.
BOOL NelIsDirectory(const wchar_t* path);

// TRUE when path has 1 to 3 characters and names the root folder of an
// existing drive: "C", "C:" and "C:\" all name the root of drive C.
BOOL NelIsDriveRoot(const wchar_t* path);

// TRUE when path names a folder without reference to a current folder or
// drive: a drive letter with ":\" ("C:\Cursors"), a bare drive ("C:",
// whose root a caller reaches by appending "\"), or a network path with
// its server and share ("\\server\share\..."). "Cursors", "\Cursors" and
// "C:Cursors" are relative.
BOOL NelIsAbsolutePath(const wchar_t* path);

// TRUE when a file or folder of that name exists. Paths of up to three
// characters count only as drive roots; longer ones go through a find-first
// search, so wildcard characters match any file.
BOOL NelFileExists(const wchar_t* path);

// Creates every missing folder of path, top down. Refuses, without touching
// the disk, a path that holds a double quote, "|", "<", ">", "?", "*" or
// "\..". FALSE when the path already exists (folder or file), when no part
// of it exists to build on, or when a level cannot be created; the levels
// made before that are removed again. A network path keeps its leading
// "\\server\share" base, so it is never turned into a relative one.
// Callers test the folder with NelIsDirectory afterwards.
BOOL NelCreateDirTree(const wchar_t* path);

// Path of a shell special folder (CSIDL value). The Windows and System
// folders come from the system's own queries; other folders from the
// shell, which fails for folders that have no file-system path. out is
// untouched on failure.
BOOL NelGetSpecialFolder(CNelStrW& out, int csidl);

// Index of path's icon in the system image list, or -1. The icon is chosen
// by the name alone (the file need not exist), except for an existing
// folder, whose own icon is looked up.
int NelGetSysIconIndex(const wchar_t* path);

// The same query with more SHGFI_ flags (SHGFI_SMALLICON): its result, which
// with SHGFI_SYSICONINDEX is the system image list of that size (0 on
// failure), and the icon's index in it (-1 on failure).
DWORD_PTR NelQuerySysIcon(const wchar_t* path, UINT extraFlags, int& index);

// The folder-selection dialog. path (at least 261 characters) gives the
// folder selected at the start and receives the chosen one; an empty path
// becomes a single space, which selects nothing. tmpl (may be NULL) gives
// the title and other fields; owner, when non-null, replaces its owner;
// csidlRoot, when non-zero, is the special folder shown as the root. Flags
// left 0 in tmpl become "file-system folders only, new dialog style,
// validate". TRUE when a folder was chosen; FALSE on Cancel with path as
// it was after the empty-path rule.
BOOL NelBrowseFolder(HWND owner, wchar_t* path, const BROWSEINFOW* tmpl, int csidlRoot);

// The dialog's callback: selects the start folder (data), drops the
// context-help button and centres the dialog on its owner when it opens;
// disables OK while a virtual item without a file-system path is selected.
// Always 0.
int CALLBACK NelBrowseFolderProc(HWND dlg, UINT msg, LPARAM lParam, LPARAM data);

// The full path of name (found through the system's search order when it
// is a bare name) with every component in its stored spelling and long
// form, and a lower-case drive letter; a network path is given as found.
// FALSE, out untouched, when it cannot be found or holds a wildcard.
BOOL NelGetTruePath(const wchar_t* name, CNelStrW& out);

// The string key (for example "FileVersion") of file's version resource:
// from the first translation the file lists, else from the first table
// found for a fixed list of code pages and languages (Japanese first).
// FALSE, out untouched, when there is none.
BOOL NelGetFileVerStr(CNelStrW& out, const wchar_t* file, const wchar_t* key);
