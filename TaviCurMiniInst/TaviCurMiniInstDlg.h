// CTaviCurMiniInstDlg: the installer's main dialog (template 129).
#pragma once
#include <windows.h>
#include "Installation.h"
#include "NelBmpCtl.h"
#include "Str/NelStr.h"
#include "XPBtn/NelXPBtn.h"

struct ElevatedRequest;

class CTaviCurMiniInstDlg {
public:
    explicit CTaviCurMiniInstDlg(HWND hWndParent);
    virtual ~CTaviCurMiniInstDlg();

    // Runs the dialog modally; 1 = OK, 2 = Cancel.
    INT_PTR ShowDlg();

    // What OK does: validates the input, copies the files, registers the
    // schemes and offers to apply one. True when the dialog is to close
    // with OK, false when it stays open (after a message).
    bool OnInstall();

    // Loads the image of an icon value into image: ".cur" and ".ani" files
    // as cursors (index = animation step, cursor to outCursor), any other
    // file's large icon number index (to outIcon). On success the control
    // is sized to the image. The about dialog uses it too.
    static bool LoadIconOrCursor(CNelBmpCtl& image, const wchar_t* path, int index,
                                 HICON& outIcon, HCURSOR& outCursor);

private:
    // Layout units of OnInit, all in pixels.
    struct Layout {
        int U;   // height of one line of text
        int h;   // half of U
        int BH;  // button height
        int BW;  // button width
        int W;   // client width
        int g;   // check-box glyph size
        int m;   // margin: the product image's left edge
        // Read from the install-info file once, for the width and the rows.
        bool twoRows;       // [MainDlg] DN2CurName is there
        bool hideAllUsers;  // the all-users check box is hidden
    };

    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int OnInit(HWND hwnd, LPARAM param);
    int OnDestroy();
    int OnPaint();
    int OnHelp(const HELPINFO* info);
    int OnContextMenu(HWND clicked, POINT pt);
    int OnCommand(WORD id);
    int OnSysCommand(WORD id);
    int OnBrowse();
    int OnDefaultFolder();
    int OnAbout();

    // OnInit's pieces, in the order they run.
    void BindControls();
    Layout MeasureUnits();
    void AddAboutMenuItem();
    // Checks the install-info file before the dialog shows anything: its
    // format version and the required keys. False ends the dialog.
    bool CheckInfoFile();
    void SetCaption();
    void LayoutProductImage(Layout& L);
    void LayoutMessage(Layout& L);
    void FillTexts();
    void LoadRowImages();
    int RequiredWidth(const Layout& L);
    int ButtonWidth(const Layout& L, HWND button);
    // How far left of Cancel's gap OK starts (Cancel's width, or OK's own
    // where OK would otherwise run into Cancel's gap).
    static int OKSlotWidth(int okWidth, int cancelWidth);
    static bool HasSecondRow();
    static bool HidesAllUsers();
    int LayoutFolderRow(const Layout& L);          // returns the edit's bottom
    int LayoutDesignRows(const Layout& L, int T);  // returns the rows' end
    int LayoutAllUsers(const Layout& L, int rowsEnd);  // returns the check box's bottom, or 0
    void LayoutButtons(const Layout& L, int groupBottom);
    void FillInstallFolder();
    // The default install folder: DefInstallFolder, else string 2001, both
    // macro-expanded.
    static CNelStrW DefaultInstallFolder();
    // The string saved at the registry path named by the [MainDlg] key,
    // when the path and the value are non-empty.
    static bool ReadSavedString(const wchar_t* key, CNelStrW& out);
    // A design name: the saved one, else the install-info default.
    static CNelStrW DesignName(const wchar_t* savedKey, const wchar_t* defaultKey);

    // The text of a label, button or check box: the [MainDlg] key,
    // macro-expanded, replaces the template text when non-empty.
    static void SetControlText(HWND control, const wchar_t* key);
    // The size of the control's text measured as one line.
    static SIZE MeasureControl(HWND control);

    // True while the install-info file exists; otherwise message 1098.
    bool CheckInfoFileStillPresent();

    // OnInstall's pieces.
    enum FolderState { kFolderReady, kFolderDenied, kFolderFailed };
    bool ReadInstallInput(CNelStrW& folder, CNelStrW& name1, CNelStrW& name2);
    // Trims the folder text and creates the folder: kFolderDenied when that
    // needs permission the program lacks, kFolderFailed after message 1023.
    FolderState PrepareInstallFolder(CNelStrW& folder);
    // elevated: the helper already wrote the all-users values.
    bool RegisterSchemes(const CNelStrW& folder, const ElevatedRequest& request, bool elevated);
    // Where the folder or the all-users key needs administrator permission:
    // asks, runs the helper and reports how it went. True when the helper
    // did its part; false after a message (or No), the dialog staying open.
    // Without a way to ask, message fallbackId with the focus on
    // fallbackFocus (0: unchanged).
    bool ContinueElevated(const ElevatedRequest& request, UINT fallbackId, int fallbackFocus);
    // For a package with [Uninstall] Use=Yes: places the uninstaller's
    // copies (unless the helper did, elevated) and writes the uninstall
    // record; a failure only shows a message.
    void RegisterUninstall(const ElevatedRequest& request, bool elevated,
                           const CNelStrW savedChoices[kSavedChoiceCount], ULONGLONG listedBytes);
    void OfferToApply(const CNelStrW& folder, const CNelStrW& name1, const CNelStrW& name2,
                      int allUsers);
    bool IsLocationVisible() const;
    // Shows an installation error (caption 1003) and moves the focus to
    // control focusId when it is non-zero; always false, for "stay".
    bool Fail(UINT textId, int focusId);
    bool Fail(const CNelStrW& text, int focusId);

    HWND m_hWnd;
    HWND m_hWndParent;
    int m_bUseDesign2;
    CNelXPBtn m_btnOK;
    CNelXPBtn m_btnCancel;
    CNelXPBtn m_btnBrowse;
    CNelXPBtn m_btnDefault;
    HWND m_hWndOK;
    HWND m_hWndCancel;
    HWND m_hWndBrowse;
    HWND m_hWndDefault;
    HWND m_hWndMessage;
    HWND m_hWndSeparator;
    HWND m_hWndFolderLabel;
    HWND m_hWndFolder;
    HWND m_hWndGroup;
    HWND m_hWndName1Label;
    HWND m_hWndName2Label;
    HWND m_hWndName1;
    HWND m_hWndName2;
    HWND m_hWndAllUsers;
    CNelBmpCtl m_imgProduct;
    CNelBmpCtl m_imgDesign;
    CNelBmpCtl m_imgFolder;
    HICON m_hMesIcon;
    HICON m_hCurIcon;
    HCURSOR m_hMesCursor;
    HCURSOR m_hCurCursor;
    HBITMAP m_hDefBitmap;
    HBITMAP m_hDefMask;
};
