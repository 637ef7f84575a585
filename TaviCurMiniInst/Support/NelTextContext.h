// An information context for the display with one font selected, for
// measuring text the way a control draws it. Internal to the window
// helpers.
#pragma once
#include <windows.h>

class CNelTextContext {
public:
    // font may be NULL: the context's own font is then used.
    explicit CNelTextContext(HFONT font);
    ~CNelTextContext();
    CNelTextContext(const CNelTextContext&) = delete;
    CNelTextContext& operator=(const CNelTextContext&) = delete;

    HDC Dc() const { return m_dc; }
    // FALSE when the context could not be created.
    bool Valid() const { return m_dc != nullptr; }
    // Measures len units of text (-1: up to its terminator) with DT_CALCRECT
    // flags from the starting rectangle rect, which receives the result.
    // The measured height, 0 on failure.
    int Measure(const wchar_t* text, int len, RECT* rect, UINT flags) const;

private:
    HDC m_dc;
    HGDIOBJ m_oldFont; // put back before the context is deleted
};
