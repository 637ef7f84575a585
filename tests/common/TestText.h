// Text helpers the test programs share.
#pragma once
#include <string>
#include <vector>

namespace NelTest {

// Splits a scheme string (or any list) at every comma; empty fields stay.
std::vector<std::wstring> SplitFields(const std::wstring& text);

// The text with its %VARIABLE% references expanded; the text itself when
// the system cannot expand it.
std::wstring ExpandEnv(const std::wstring& text);

} // namespace NelTest
