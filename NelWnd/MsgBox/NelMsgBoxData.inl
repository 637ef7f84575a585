// Construction, copying and destruction of a message-box class. Compiled
// once per class with NELMB_SELF, NELMB_T, NELMB_STR and NELMB_HELP set
// (see NelMsgBoxW.cpp / NelMsgBoxA.cpp). No include guard.

namespace {

// The text of a loaded help string, NULL when it is empty: an empty help
// string means "no help for this button".
const NELMB_T* HelpTextOf(const NELMB_STR& s) { return s.IsEmpty() ? nullptr : s.t(); }

} // namespace

void NELMB_SELF::Init()
{
    m_hWnd = nullptr;
    m_hCreatedFont = nullptr;
    m_bStrLoaded = 0;
    m_pszText = nullptr;
    m_pszCaption = nullptr;
    m_uType = 0;
    m_hWndOwner = nullptr;
    m_hFont = nullptr;
    m_hBmp = nullptr;
    m_hBmpMask = nullptr;
    m_nBmpWidth = 0;
    m_nBmpHeight = 0;
    SetRectEmpty(&m_rcIcon);
    m_pHelpData = nullptr;
}

NELMB_SELF::NELMB_SELF(const NELMB_T* text, const NELMB_T* caption, UINT type, HWND owner, HFONT font,
                       NELMB_HELP* help)
{
    Init();
    ZeroMemory(&m_helpData, sizeof(m_helpData));
    m_pszText = text;
    m_pszCaption = caption;
    m_uType = type;
    m_hWndOwner = owner;
    m_hFont = font;
    m_pHelpData = help;
}

NELMB_SELF::NELMB_SELF(UINT textID, UINT captionID, UINT type, HWND owner, HFONT font, HINSTANCE hInst,
                       tagNEL_MSGBOX_HELPDATAR* help)
{
    Init();
    ZeroMemory(&m_helpData, sizeof(m_helpData));
    m_strText.LoadStr(textID, hInst);
    m_strCaption.LoadStr(captionID, hInst);
    if (help && (help->uFlags & 0xF) == NEL_MSGBOX_HELP_USE) {
        const UINT ids[4] = {help->uHelp1ID, help->uHelp2ID, help->uHelp3ID, help->uHelp4ID};
        for (int i = 0; i < 4; ++i)
            m_strHelp[i].LoadStr(ids[i], hInst);
        m_helpData.uFlags = help->uFlags;
        m_helpData.crPopupBk = help->crPopupBk;
        m_helpData.crPopupText = help->crPopupText;
        m_helpData.hPopupFont = help->hPopupFont;
        m_pHelpData = &m_helpData;
        PointHelpAtOwnStrings();
    }
    m_uType = type;
    m_hWndOwner = owner;
    m_hFont = font;
    m_bStrLoaded = 1;
}

void NELMB_SELF::PointHelpAtOwnStrings()
{
    m_helpData.lpszHelp1 = HelpTextOf(m_strHelp[0]);
    m_helpData.lpszHelp2 = HelpTextOf(m_strHelp[1]);
    m_helpData.lpszHelp3 = HelpTextOf(m_strHelp[2]);
    m_helpData.lpszHelp4 = HelpTextOf(m_strHelp[3]);
}

NELMB_SELF::NELMB_SELF(const NELMB_SELF& other)
    : m_btn1(other.m_btn1), m_btn2(other.m_btn2), m_btn3(other.m_btn3)
{
    Init();
    CopyFrom(other);
}

NELMB_SELF& NELMB_SELF::operator=(const NELMB_SELF& other)
{
    if (this == &other)
        return *this;
    // The font this object created goes away with the old value, unless the
    // incoming value still uses it (then this object keeps owning it).
    HFONT keep = (m_hCreatedFont && m_hCreatedFont == other.m_hFont) ? m_hCreatedFont : nullptr;
    if (m_hCreatedFont && !keep)
        DeleteObject(m_hCreatedFont);
    m_btn1 = other.m_btn1;
    m_btn2 = other.m_btn2;
    m_btn3 = other.m_btn3;
    CopyFrom(other);
    m_hCreatedFont = keep;
    return *this;
}

// Copies every member; the copy never owns the source's created font (only
// one destructor may delete it), and a help record built from loaded
// strings is rebuilt over the copy's own strings, so neither object points
// into the other.
void NELMB_SELF::CopyFrom(const NELMB_SELF& other)
{
    m_hWnd = other.m_hWnd;
    m_hCreatedFont = nullptr;
    m_bStrLoaded = other.m_bStrLoaded;
    m_pszText = other.m_pszText;
    m_pszCaption = other.m_pszCaption;
    m_uType = other.m_uType;
    m_hWndOwner = other.m_hWndOwner;
    m_hFont = other.m_hFont;
    m_strText = other.m_strText;
    m_strCaption = other.m_strCaption;
    for (int i = 0; i < 4; ++i)
        m_strHelp[i] = other.m_strHelp[i];
    m_hBmp = other.m_hBmp;
    m_hBmpMask = other.m_hBmpMask;
    m_nBmpWidth = other.m_nBmpWidth;
    m_nBmpHeight = other.m_nBmpHeight;
    m_rcIcon = other.m_rcIcon;
    m_helpData = other.m_helpData;
    if (other.m_pHelpData == &other.m_helpData) {
        m_pHelpData = &m_helpData;
        PointHelpAtOwnStrings();
    } else {
        m_pHelpData = other.m_pHelpData;
    }
}

NELMB_SELF::~NELMB_SELF()
{
    if (m_hCreatedFont)
        DeleteObject(m_hCreatedFont);
}
