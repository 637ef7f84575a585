// Keys an author wrote that the installer will never see: asks the
// installer's own INI reader for each key line and explains a miss.
#pragma once
#include <string>
#include "Findings.h"
#include "PackageText.h"

void CheckKeyLines(const InfoText& text, const std::wstring& infoPath, Findings& findings);

// The line of the first key line of section/key as the installer matches
// it (header and key at the start of their lines), 0 when none.
int LineOfKey(const InfoText& text, const std::wstring& section, const std::wstring& key);
