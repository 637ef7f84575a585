// Where the dialogs' layout rules put each control, computed in the test's
// own process: the templates are laid out here from the same resources,
// and texts are measured in the same icon-title font the installer uses.
#pragma once
#include <windows.h>
#include <map>
#include <string>

namespace DlgTest {

// One template of the installer's resources (linked into the test
// program), created hidden: its controls' rectangles and texts before any
// run-time layout.
class TemplateDialog {
public:
    explicit TemplateDialog(int templateId);
    ~TemplateDialog();
    RECT ItemRect(int id) const;
    std::wstring Text(int id) const;
    RECT ClientRect() const;
    HWND Hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// Text measured in the dialog font.
class FontMeter {
public:
    FontMeter();
    ~FontMeter();
    // One line, mnemonics ("&") processed as most controls draw them; with
    // noPrefix, every "&" measured as a character (SS_NOPREFIX statics).
    SIZE Line(const std::wstring& text, bool noPrefix = false) const;
    // Wrapped to width, no prefix processing; the rectangle's right edge is
    // at least width.
    RECT Wrapped(const std::wstring& text, int width, int height) const;
    // A text whose one-line width is at most width and short of it by
    // less than its narrowest character.
    std::wstring TextUpTo(int width) const;

private:
    HFONT m_font = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};

// The texts the main dialog's controls show and what it hides.
struct MainTexts {
    std::wstring message, folderLabel, browse, def, label1, label2, allUsers, ok, cancel;
    bool twoRows = true;
    bool checkBox = true;
    SIZE productImage = {0, 0};  // the product image's size; {0,0}: the template's
};

// The template's texts, the default message expanded with product name
// productName.
MainTexts TemplateTexts(const std::wstring& productName);

// Control ID -> rectangle in client coordinates; ID 0 is the client area.
// Computed from the layout rules alone: the dialog is as wide as the
// template, 5 BW and the message make it, and wider only by what a control
// needs so as not to run into its neighbour or past the margin.
std::map<int, RECT> ExpectedMainLayout(const MainTexts& texts);

// The about dialog: the texts of 1012, 1014, 1015 and OK.
struct AboutTexts {
    std::wstring program, copyright, heading, product, setCopyright;
};
std::map<int, RECT> ExpectedAboutLayout(const AboutTexts& texts);

std::wstring RectText(const RECT& rc);

} // namespace DlgTest
