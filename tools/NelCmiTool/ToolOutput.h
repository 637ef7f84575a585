// Console output of the tool: every line goes to stdout as UTF-8, whether
// stdout is a console, a pipe or a file.
#pragma once
#include <string>

void WriteLine(const std::wstring& text);

// UTF-8 / wide conversions used by the readers and writers as well.
std::string ToUtf8(const std::wstring& text);
