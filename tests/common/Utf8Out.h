// One line of text on standard output in UTF-8, whatever the console's
// code page, flushed at once (driver programs report as they go).
#pragma once
#include <string>

namespace NelTest {

void PrintLine(const std::wstring& text);

} // namespace NelTest
