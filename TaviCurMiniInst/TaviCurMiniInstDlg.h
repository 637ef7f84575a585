// CTaviCurMiniInstDlg: the installer's main dialog (template 129).
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

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

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int OnInit(HWND hwnd, LPARAM param);
    int OnCommand(WORD id);

    // Checks the install-info file before the dialog shows anything: its
    // format version and the required keys. False ends the dialog.
    bool CheckInfoFile();
    // Fills the controls from the install-info file and saved choices.
    void FillControls();
    // True while the install-info file exists; otherwise message 1098.
    bool CheckInfoFileStillPresent();

    // OnInstall's pieces.
    bool ReadInstallInput(CNelStrW& folder, CNelStrW& name1, CNelStrW& name2);
    bool PrepareInstallFolder(CNelStrW& folder);
    bool RegisterSchemes(const CNelStrW& folder, const CNelStrW& name1, const CNelStrW& name2,
                         int allUsers);
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
};
