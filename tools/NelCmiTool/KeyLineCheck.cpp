#include "KeyLineCheck.h"
#include <map>
#include <utility>
#include "InfoSchema.h"
#include "NelIni.h"
#include "ToolText.h"

namespace {

bool StartsWithSpace(const std::wstring& s)
{
    return !s.empty() && (s[0] == L' ' || s[0] == L'\t');
}

bool EndsWithSpace(const std::wstring& s)
{
    return !s.empty() && (s.back() == L' ' || s.back() == L'\t');
}

bool IsKnownSection(const std::wstring& name)
{
    return SectionCaseMatch(name) == name && !name.empty();
}

// An error when the line's key is one the installation depends on,
// otherwise a warning.
void Add(Findings& findings, int line, const std::wstring& text, bool installKey)
{
    findings.push_back({line, !installKey, text});
}

// Whether a section header's lines hold a key the installation depends on.
bool HoldsInstallKey(const InfoText& text, size_t header)
{
    std::wstring section = text.lines[header].section;
    for (size_t i = header + 1; i < text.lines.size() && !text.lines[i].isHeader; ++i)
        if (text.lines[i].isKey && IsInstallKey(section, text.lines[i].key))
            return true;
    return false;
}

void CheckHeader(const InfoText& text, size_t index, Findings& findings)
{
    const InfoLine& line = text.lines[index];
    bool install = HoldsInstallKey(text, index);
    if (line.headerIndented)
        Add(findings, line.number, Text(Msg::HeaderSpace, line.section), install);
    std::wstring known = SectionCaseMatch(line.section);
    if (!known.empty() && known != line.section)
        Add(findings, line.number, Text(Msg::SectionCase, line.section, known), install);
    size_t eq = line.afterHeader.find(L'=');
    if (eq != std::wstring::npos) {
        std::wstring key = TrimSpaces(line.afterHeader.substr(0, eq));
        if (!key.empty())
            Add(findings, line.number, Text(Msg::KeyOnHeader, key, line.section),
                IsInstallKey(line.section, key));
    }
}

// A well-formed key line in a known section whose key is not one the
// installer reads: wrong case, the wrong section, or a typing slip.
void CheckUnknownKey(const InfoLine& line, Findings& findings)
{
    std::wstring caseMatch = KeyCaseMatch(line.owner, line.key);
    if (!caseMatch.empty()) {
        Add(findings, line.number, Text(Msg::KeyCase, line.key, caseMatch),
            IsInstallKey(line.owner, caseMatch));
        return;
    }
    // A key in another section or a misspelt one is no line the author
    // wrote for the installation: what the installer does is what the
    // lines it reads say.
    std::wstring home = SectionOfKey(line.key);
    if (!home.empty()) {
        Add(findings, line.number, Text(Msg::KeyOutside, line.key, home, line.owner), false);
        return;
    }
    std::wstring close = ClosestKey(line.owner, line.key);
    if (!close.empty())
        Add(findings, line.number, Text(Msg::KeyUnknownClose, line.key, line.owner, close), false);
}

} // namespace

void CheckKeyLines(const InfoText& text, const std::wstring& infoPath, Findings& findings)
{
    std::map<std::pair<std::wstring, std::wstring>, const InfoLine*> first;
    bool headerIndented = false;
    // Read once for all key lines: thousands of numbered keys would
    // otherwise read the whole file once each.
    const CNelIniFile info(infoPath.c_str());
    for (size_t index = 0; index < text.lines.size(); ++index) {
        const InfoLine& line = text.lines[index];
        if (line.isHeader) {
            CheckHeader(text, index, findings);
            headerIndented = line.headerIndented;
            continue;
        }
        if (!line.isKey)
            continue;
        if (!line.hasOwner) {
            Add(findings, line.number, Text(Msg::KeyBeforeSections, line.key), false);
            continue;
        }
        const bool install = IsInstallKey(line.owner, line.key);
        // Keys of an author's own section or of a header already reported
        // as unreadable say nothing more.
        if (!IsKnownSection(line.owner) || headerIndented)
            continue;
        if (StartsWithSpace(line.keyRaw)) {
            Add(findings, line.number, Text(Msg::KeyLeadingSpace, line.key), install);
            continue;
        }
        if (EndsWithSpace(line.keyRaw)) {
            Add(findings, line.number, Text(Msg::KeySpaceBeforeEq, line.key), install);
            continue;
        }
        if (!IsKnownKey(line.owner, line.key)) {
            CheckUnknownKey(line, findings);
            continue;
        }
        auto id = std::make_pair(line.owner, line.key);
        auto seen = first.find(id);
        if (seen != first.end()) {
            // A repeated equal value changes nothing.
            Add(findings, line.number,
                Text(Msg::KeyDuplicate, line.key, std::to_wstring(seen->second->number)),
                install && TrimSpaces(seen->second->value) != TrimSpaces(line.value));
            continue;
        }
        first[id] = &line;
        // Whatever else hides the line (an earlier section of the same
        // name, a zero character), the installer's reader decides.
        CNelStrW value;
        std::wstring expected = line.value;
        while (!expected.empty() && expected.back() == L'\r')
            expected.pop_back();
        bool found = info.GetStr(line.owner.c_str(), line.key.c_str(), value);
        std::wstring got = found && value.t() ? value.t() : L"";
        // The reader drops carriage returns at a value's start; a value that
        // differs only by them installs as its author wrote it: a warning.
        std::wstring intended = expected;
        intended.erase(0, intended.find_first_not_of(L'\r'));
        if (!found || got != expected)
            Add(findings, line.number, Text(Msg::KeyNotSeen, line.key, line.owner),
                install && (!found || got != intended));
    }
}

int LineOfKey(const InfoText& text, const std::wstring& section, const std::wstring& key)
{
    for (const InfoLine& line : text.lines)
        if (line.isKey && line.hasOwner && line.owner == section && line.keyRaw == line.key &&
            line.key == key)
            return line.number;
    return 0;
}
