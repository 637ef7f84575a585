// Wrapping a text to a control's width, breaking runs that cannot be
// word-broken between characters.
#include "NelWndHelp.h"
#include "NelTextContext.h"
#include <string>

namespace {

// Units of the character at i: 2 for a surrogate pair, so that a break is
// never put between its halves.
size_t CharUnits(const std::wstring& s, size_t i)
{
    if (i + 1 < s.size() && IS_HIGH_SURROGATE(s[i]) && IS_LOW_SURROGATE(s[i + 1]))
        return 2;
    return 1;
}

class CLineWrapper {
public:
    CLineWrapper(const CNelTextContext& context, const RECT& client)
        : m_context(context), m_client(client), m_width(client.right - client.left)
    {
    }

    // Width of s as wrapped in the client rectangle; -1 on failure.
    int Width(const std::wstring& s) const
    {
        RECT rect = m_client;
        if (!m_context.Measure(s.c_str(), static_cast<int>(s.size()), &rect, NEL_DT_WRAPPED_NOPREFIX))
            return -1;
        return rect.right - rect.left;
    }

    // Appends the wrapped form of line (one line of the text, with its
    // "\n" if it has one) to out. Returns the units of line used up; the
    // caller takes up the rest again as the next line. 0: the line could
    // not be measured at all.
    size_t AddLine(const std::wstring& line, std::wstring& out) const
    {
        int width = Width(line);
        if (width < 0)
            return 0;
        if (width <= m_width) {
            out += line;
            return line.size();
        }
        return BreakByCharacters(line, out);
    }

private:
    // The line holds a run wider than the control that no space breaks:
    // grow a piece character by character until it no longer fits.
    size_t BreakByCharacters(const std::wstring& line, std::wstring& out) const
    {
        size_t lastUnits = CharUnits(line, 0);
        size_t used = lastUnits;
        for (;;) {
            std::wstring piece = line.substr(0, used);
            int width = Width(piece);
            if (width < 0) {
                // Nothing more can be measured: keep the rest as it is
                // rather than lose it.
                out += line;
                return line.size();
            }
            if (width > m_width) {
                if (used == lastUnits)
                    return KeepSingleCharacter(line, used, out);
                out.append(line, 0, used - lastUnits);
                out += L'\n';
                return used - lastUnits;
            }
            // The line's own "\n" ends it. It is recognised by itself, not
            // by the width staying the same: a space at a wrap point or a
            // zero-width character does not widen the piece either, and
            // taking it for the end would drop the rest of the line.
            if (line[used - 1] == L'\n') {
                out += piece;
                return line.size();
            }
            if (used >= line.size()) {
                out += piece;
                return line.size();
            }
            lastUnits = CharUnits(line, used);
            used += lastUnits;
        }
    }

    // A single character wider than the control gets a line of its own;
    // breaking before it would leave an empty line and never advance.
    size_t KeepSingleCharacter(const std::wstring& line, size_t used, std::wstring& out) const
    {
        out.append(line, 0, used);
        // The last character of the text needs no break after it.
        if (used < line.size()) {
            out += L'\n';
            // The line's own "\n" is the break just written.
            if (line[used] == L'\n')
                ++used;
        }
        return used;
    }

    const CNelTextContext& m_context;
    RECT m_client;
    int m_width;
};

// The next line of text from pos: up to and including its "\n", or the rest.
std::wstring NextLine(const std::wstring& text, size_t pos)
{
    size_t end = text.find(L'\n', pos);
    end = (end == std::wstring::npos) ? text.size() : end + 1;
    return text.substr(pos, end - pos);
}

} // namespace

int NelWrapText(HWND control, const wchar_t* text, CNelStrW& out, RECT* outRect)
{
    if (!IsWindow(control) || !text)
        return -1;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font)
        return -1;
    CNelTextContext context(font);
    if (!context.Valid())
        return -1;
    RECT client;
    if (!GetClientRect(control, &client))
        return -1;

    CLineWrapper wrapper(context, client);
    const std::wstring source(text);
    std::wstring wrapped;
    size_t pos = 0;
    while (pos < source.size()) {
        size_t used = wrapper.AddLine(NextLine(source, pos), wrapped);
        if (used == 0)
            break;
        pos += used;
    }

    RECT rect = client;
    int height = context.Measure(wrapped.c_str(), static_cast<int>(wrapped.size()), &rect,
                                 NEL_DT_WRAPPED_NOPREFIX);
    if (!height)
        return -1;
    if (outRect) {
        if (rect.right < client.right)
            rect.right = client.right;
        *outRect = rect;
    }
    out = wrapped.c_str();
    return rect.bottom - rect.top;
}
