// Macro expansion of install-info texts.
#pragma once
#include "Str/NelStr.h"

// Expands, in place and in this order: the folder macros %SystemFolder%,
// %WindowsFolder%, %ProgramFilesFolder% and %LocalAppDataFolder%; %CurName%, %CompanyName% and
// %ProductName% from [CurInfo]; %Version% as the version number with two
// decimals; %Copyright% and %Homepage%; then one left-to-right scan for
// user macros %Name% (three characters or more) from [Strings]. A macro
// whose value is missing or empty stays as written; user macro values are
// not scanned again, so they never nest. An empty text is left alone.
void ExpandInfoMacros(CNelStrW& text);

// A version number times 100 as text with two decimals: 104 gives
// "1.04", 5 gives "0.05", 1000 gives "10.00".
CNelStrW FormatVersion100(int version);
