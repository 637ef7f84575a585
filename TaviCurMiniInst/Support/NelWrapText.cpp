// Wrapping a text to a control's width, breaking runs that cannot be
// word-broken between characters.
#include "NelWndHelp.h"
#include "NelTextContext.h"

namespace {

// A run of units of the text: not NUL-terminated, n units from p.
struct TextRun {
    const wchar_t* p;
    int n;
};

// Units of the character at i: 2 for a surrogate pair, so that a break is
// never put between its halves.
int CharUnits(const TextRun& s, int i)
{
    if (i + 1 < s.n && IS_HIGH_SURROGATE(s.p[i]) && IS_LOW_SURROGATE(s.p[i + 1]))
        return 2;
    return 1;
}

// Appends the first n units of s to out.
void AppendUnits(CNelStrW& out, const wchar_t* s, int n)
{
    if (n <= 0)
        return;
    CNelStrW piece(n + 1);
    lstrcpynW(piece.GetBuff(), s, n + 1);
    piece.ResetLen();
    out += piece;
}

class CLineWrapper {
public:
    CLineWrapper(const CNelTextContext& context, const RECT& client)
        : m_context(context), m_client(client), m_width(client.right - client.left)
    {
    }

    // Width of the first n units of s as wrapped in the client rectangle;
    // -1 on failure.
    int Width(const wchar_t* s, int n) const
    {
        RECT rect = m_client;
        if (!m_context.Measure(s, n, &rect, NEL_DT_WRAPPED_NOPREFIX))
            return -1;
        return rect.right - rect.left;
    }

    // Appends the wrapped form of line (one line of the text, with its
    // "\n" if it has one) to out. Returns the units of line used up; the
    // caller takes up the rest again as the next line. 0: the line could
    // not be measured at all.
    int AddLine(const TextRun& line, CNelStrW& out) const
    {
        int width = Width(line.p, line.n);
        if (width < 0)
            return 0;
        if (width <= m_width) {
            AppendUnits(out, line.p, line.n);
            return line.n;
        }
        return BreakByCharacters(line, out);
    }

private:
    // The line holds a run wider than the control that no space breaks:
    // grow a piece character by character until it no longer fits.
    int BreakByCharacters(const TextRun& line, CNelStrW& out) const
    {
        int lastUnits = CharUnits(line, 0);
        int used = lastUnits;
        for (;;) {
            int width = Width(line.p, used);
            if (width < 0) {
                // Nothing more can be measured: keep the rest as it is
                // rather than lose it.
                AppendUnits(out, line.p, line.n);
                return line.n;
            }
            if (width > m_width) {
                if (used == lastUnits)
                    return KeepSingleCharacter(line, used, out);
                AppendUnits(out, line.p, used - lastUnits);
                out += L"\n";
                return used - lastUnits;
            }
            // The line's own "\n" ends it. It is recognised by itself, not
            // by the width staying the same: a space at a wrap point or a
            // zero-width character does not widen the piece either, and
            // taking it for the end would drop the rest of the line.
            if (line.p[used - 1] == L'\n' || used >= line.n) {
                AppendUnits(out, line.p, used);
                return line.n;
            }
            lastUnits = CharUnits(line, used);
            used += lastUnits;
        }
    }

    // A single character wider than the control gets a line of its own;
    // breaking before it would leave an empty line and never advance.
    int KeepSingleCharacter(const TextRun& line, int used, CNelStrW& out) const
    {
        AppendUnits(out, line.p, used);
        // The last character of the text needs no break after it.
        if (used < line.n) {
            out += L"\n";
            // The line's own "\n" is the break just written.
            if (line.p[used] == L'\n')
                ++used;
        }
        return used;
    }

    const CNelTextContext& m_context;
    RECT m_client;
    int m_width;
};

// The next line of text from pos: up to and including its "\n", or the rest.
TextRun NextLine(const wchar_t* text, int length, int pos)
{
    int end = pos;
    while (end < length && text[end] != L'\n')
        ++end;
    if (end < length)
        ++end;
    return TextRun{text + pos, end - pos};
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
    const int length = lstrlenW(text);
    CNelStrW wrapped;
    int pos = 0;
    while (pos < length) {
        int used = wrapper.AddLine(NextLine(text, length, pos), wrapped);
        if (used == 0)
            break;
        pos += used;
    }

    RECT rect = client;
    int height = context.Measure(wrapped.IsEmpty() ? L"" : wrapped.t(), wrapped.GetLength(), &rect,
                                 NEL_DT_WRAPPED_NOPREFIX);
    if (!height)
        return -1;
    if (outRect) {
        if (rect.right < client.right)
            rect.right = client.right;
        *outRect = rect;
    }
    out = wrapped;
    return rect.bottom - rect.top;
}
