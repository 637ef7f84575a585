// The install-info file as its file syntax says it reads, written apart
// from the installer's reader so that the two can be compared on any
// bytes: UTF-16 little-endian after an optional FF FE or FE FF pair, an odd
// last byte as the low byte of a last unit, the text ending at the first
// zero unit; a header "[name]" at the start of the text or after LF; a
// section up to the next LF + "["; a key line LF + key + "=" inside it (the
// first one wins), its value running to the next LF with CRs stripped from
// both ends; integers with leading white space, a sign and digits, held
// to the int range.
#pragma once
#include <string>

namespace Fuzz {

class IniModel {
public:
    explicit IniModel(const std::string& bytes);

    // False when the file is empty or the section or key is not found.
    bool Get(const std::wstring& section, const std::wstring& key, std::wstring& value) const;
    int GetInt(const std::wstring& section, const std::wstring& key, int defaultValue) const;
    // Present and not empty (how the installer treats text keys).
    bool Given(const std::wstring& section, const std::wstring& key) const;

    const std::wstring& Text() const { return m_text; }

private:
    bool m_empty;
    std::wstring m_text;
};

// The decimal value of a text by the rule above.
int DecimalValue(const std::wstring& text);

} // namespace Fuzz
