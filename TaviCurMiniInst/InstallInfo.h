// Reading the install-info file (g_strInfoFile): values by their form,
// the icon fields, the numbered keys, the file-version check and the
// required keys.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// A text key: true when present and non-empty (a missing key and an empty
// value read the same). out receives the raw value.
bool ReadInfoStr(const wchar_t* section, const wchar_t* key, CNelStrW& out);

// A text key, macro-expanded; false (out untouched) when missing or empty.
bool ReadInfoText(const wchar_t* section, const wchar_t* key, CNelStrW& out);

// A multi-line text key: macro-expanded, then every backslash-n becomes a
// line break.
bool ReadInfoMultiLine(const wchar_t* section, const wchar_t* key, CNelStrW& out);

// A multi-line text key, else the program's string id macro-expanded.
CNelStrW ReadInfoMultiLineOr(const wchar_t* section, const wchar_t* key, UINT id);

// Turns every two-character sequence backslash-n into a line break.
void ApplyLineBreaks(CNelStrW& text);

// A yes-word: true when the value equals word ignoring case.
bool InfoValueIs(const wchar_t* section, const wchar_t* key, const wchar_t* word);

// An integer key; defaultValue only when the key is missing.
int ReadInfoInt(const wchar_t* section, const wchar_t* key, int defaultValue);

// An icon value "path,index", split at its last comma; false (outputs
// untouched) when the value is missing or empty.
bool ReadIconSpec(const wchar_t* section, const wchar_t* key, CNelStrW& path, int& index,
                  const wchar_t* infoFile);

// The [DesignList] file of one role of one design: keyTemplate with "|no|"
// replaced by number; folder + value when given, else an empty string.
void ReadDesignFile(const wchar_t* keyTemplate, const wchar_t* number, const wchar_t* folder,
                    CNelStrW& out, const wchar_t* infoFile);

// [NelvoInfo] NelCMIFileVer (100 when missing), and whether this
// installer handles that version without asking (100 or less).
int ReadInfoFileVersion();
bool IsInfoFileVersionSupported(int version);

// The file-format version check: versions above 100 ask the user (message
// 1018) whether to go on; true to go on.
bool ConfirmInfoFileVersion();

// The first required key that is missing or empty, as the ID of the
// message that names it; 0 when all are there.
UINT FindMissingRequiredKey();
