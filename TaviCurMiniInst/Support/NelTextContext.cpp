// The display information context used to measure text.
#include "NelTextContext.h"

CNelTextContext::CNelTextContext(HFONT font) : m_dc(nullptr), m_oldFont(nullptr)
{
    // An information context is enough for measuring and, unlike a window
    // DC, does not depend on any window being visible.
    m_dc = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (m_dc && font)
        m_oldFont = SelectObject(m_dc, font);
}

CNelTextContext::~CNelTextContext()
{
    if (!m_dc)
        return;
    if (m_oldFont)
        SelectObject(m_dc, m_oldFont);
    DeleteDC(m_dc);
}

int CNelTextContext::Measure(const wchar_t* text, int len, RECT* rect, UINT flags) const
{
    if (!m_dc || !text || !rect)
        return 0;
    return DrawTextW(m_dc, text, len, rect, flags);
}
