// Expected resource contents of the installer. UTF-8 with a byte-order
// mark, so that every compiler reads the Japanese literals as UTF-8.
#include "ExpectedResources.h"
#include "resource.h"

namespace ResTest {

// "\n" in a text is a line break of the stored string; "\\" is one
// backslash.
const ExpectedString kInstallerStrings[] = {
    {IDS_ABOUT_MENU, L"バージョン情報(&A)..."},
    {IDS_ABOUT_VERSION, L"おるばんでる カーソルインストーラ みに Version %ver%"},
    {IDS_DLG_CLASS, L"Orvandel_TaviCurMiniInst"},
    {IDS_PRODUCT_VERSION, L"%ProductName% Version %Version%"},
    {IDS_ERR_CAPTION, L"エラー"},
    {IDS_FATAL_CAPTION, L"致命的なエラー"},
    {IDS_END_CAPTION, L"インストール完了"},
    {IDS_INFO_VERSION_TOO_NEW, L"設定ファイルのバージョン (%ver%) がこのぽるてくで処理できるものより高いです。\nこのままでは正しくインストール処理できないかもしれませんが、続けますか？"},
    {IDS_NO_PRODUCT_NAME, L"必須データ [ProductName=] が指定されていません。"},
    {IDS_NO_DESIGN1_NAME, L"必須データ [ノーマル カーソル登録名] が指定されていません。"},
    {IDS_NO_CUR_NAME, L"必須データ [カーソル名] が設定されていません。"},
    {IDS_NO_FOLDER, L"フォルダを指定してください。"},
    {IDS_CANNOT_CREATE_FOLDER, L"フォルダを作成できませんでした。"},
    {IDS_NO_DESIGN_NAME, L"登録名を指定してください。"},
    {IDS_SAME_DESIGN_NAMES, L"登録名が同じです。どちらかを変更してください。"},
    {IDS_COPY_FAILED, L"1 つ、または複数のファイルのコピーに失敗しました。処理を中止します。\n(コントロール パネルに登録は行われません)"},
    {IDS_REGISTRY_FAILED, L"レジストリに登録できませんでした。処理を中止します。"},
    {IDS_FILE_NOT_FOUND, L"File|no|=|fn|\n|fp|\nインストール指定されているファイルが見つかりません。\nインストールを中止します。"},
    {IDS_INVALID_FILE_NAME, L"File|no|=|fn|\nインストール指定されているファイル名に無効な文字が含まれています。\nインストールを中止します。"},
    {IDS_NO_INSTALL_FILES, L"[InstallFiles] セクションにインストールするファイルが 1 つも指定されていません。"},
    {IDS_ELEVATE_CAPTION, L"管理者の許可"},
    {IDS_ELEVATE_QUESTION, L"インストールを続けるには、管理者の許可が必要です。\nインストール先: |fp|\n管理者の許可を得て続けますか？\n(「いいえ」の場合は、ご自分で書き込みできるフォルダを指定してください)"},
    {IDS_ELEVATE_DECLINED, L"管理者の許可が得られなかったため、インストールを中止しました。\n書き込みできるフォルダを指定するか、もう一度 OK を押して許可してください。"},
    {IDS_ELEVATE_FAILED, L"管理者の権限でもインストールできませんでした。処理を中止します。\n(コントロール パネルに登録は行われません)\nほかのフォルダを指定してください。"},
    {IDS_ACCESS_DENIED, L"このフォルダに書き込む権限がありません。処理を中止します。\n書き込みできるフォルダを指定するか、管理者のアカウントでインストールしてください。"},
    {IDS_UNINSTALL_CAPTION, L"%ProductName% のアンインストール"},
    {IDS_UNINSTALL_QUESTION, L"%ProductName% をアンインストールします。\nカーソル ファイルと、コントロール パネルへの登録を削除します。\nよろしいですか？"},
    {IDS_UNINSTALL_DONE, L"%ProductName% をアンインストールしました。"},
    {IDS_UNINSTALL_LEFT, L"%ProductName% をアンインストールしました。\nあとから変更・追加されたものがあるため、次のものは残しました。\n|list|"},
    {IDS_UNINSTALL_INCOMPLETE, L"次のものを削除できなかったため、アンインストールを完了できませんでした。\n|list|\n使用中のファイルを閉じてから、もう一度アンインストールしてください。"},
    {IDS_UNINSTALL_ELEVATE, L"アンインストールを続けるには、管理者の許可が必要です。\n削除するフォルダ: |fp|\n管理者の許可を得て続けますか？\n(「いいえ」の場合は、削除できないファイルが残ります)"},
    {IDS_UNINSTALL_NO_RECORD, L"%ProductName% のアンインストール情報が見つかりません。\nすでに削除されているか、インストール先のフォルダが移動されています。"},
    {IDS_UNINSTALL_RECORD_FAILED, L"%ProductName% はインストールできましたが、\nアンインストール情報を登録できませんでした。\nこのカーソル セットは、自動では削除できません。"},
    {IDS_END_MESSAGE, L"インストールできました！ 今すぐカーソルを変更しますか？\n(コントロール パネル - マウスのポインタ タブからいつでも変更できます)"},
    {IDS_BROWSE_TITLE, L"カーソルをインストールするフォルダを選んでください。"},
    {IDS_NO_INFO_FILE, L"インストール情報ファイルが見つかりません。"},
    {IDS_INFO_FILE_VANISHED, L"いつの間にかインストール情報ファイルが消えています。\nインストールをやり直してください。"},
    {IDS_ALREADY_RUNNING, L"すでに「%ProductName%」のインストール作業中です。"},
    {IDS_CANNOT_START, L"おるばんでる カーソルインストーラを起動できません。"},
    {IDS_NO_MODULE_PATH, L"モジュールファイル名を取得できません。\nお使いのパソコンの物理HDDから実行してください。"},
    {IDS_DEF_INSTALL_FOLDER, L"%WindowsFolder%\\Cursors\\%CurName%"},
    {IDS_HELP_OK, L"この設定でインストールを開始します。"},
    {IDS_HELP_CANCEL, L"インストールを中止します。"},
    {IDS_HELP_INST_PATH, L"カーソル ファイルをインストールするフォルダを指定します。\n通常は変更する必要はありません。"},
    {IDS_HELP_INST_PATH_BROWSE, L"フォルダ参照ダイアログを開きます。"},
    {IDS_HELP_INST_PATH_DEF, L"変更したフォルダの指定を元に戻します。"},
    {IDS_HELP_DN1, L"ノーマル カーソルのデザイン名を指定します。\nコントロール パネルのマウスの設定にこの名前で登録されます。"},
    {IDS_HELP_DN2, L"アニメーション カーソルのデザイン名を指定します。\nコントロール パネルのマウスの設定にこの名前で登録されます。"},
    {IDS_HELP_LOCATION, L"これをチェックすると、すべてのユーザーのコントロール パネルでこの登録名が表示され、選べるようになります。\nただし、同時にコントロール パネルからはこの設定を削除できなくなりますので、それをご理解の上チェックしてください。\n※設定を削除するにはレジストリの該当部分を直接削除する必要があります。\n※HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cursors\\Schemes\\(登録名)\n※また、登録するには管理者権限が必要です。\nチェックしないと、現在のユーザーの設定にのみ登録されます。"},
};
const size_t kInstallerStringCount = sizeof(kInstallerStrings) / sizeof(kInstallerStrings[0]);

const wchar_t kDialogFontFace[] = L"ＭＳ Ｐゴシック";
const wchar_t kMainDialogClass[] = L"Orvandel_TaviCurMiniInst";

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
const DWORD kDefPush = kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON;
const DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
const DWORD kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_LEFT;
const DWORD kOwnerDrawn = kChild | SS_OWNERDRAW;

const ExpectedControl kMainControls[] = {
    {IDOK, L"Button", kDefPush, 131, 151, 50, 14, L"OK"},
    {IDCANCEL, L"Button", kPush, 188, 151, 50, 14, L"キャンセル"},
    {IDC_PRODUCT_IMAGE, L"Static", kOwnerDrawn | WS_GROUP, 7, 10, 20, 20, L""},
    {IDC_MESSAGE, L"Static", kLabel | SS_NOPREFIX, 31, 7, 207, 24, L"%ProductName%をインストールします。"},
    {IDC_SEPARATOR, L"Static", kChild | SS_ETCHEDHORZ, 7, 38, 231, 1, L""},
    {IDC_INSTALL_FOLDER_LABEL, L"Static", kLabel | SS_CENTERIMAGE, 10, 43, 134, 10,
     L"インストール フォルダ(&I):"},
    {IDC_INSTALL_FOLDER, L"Edit", kEdit | ES_AUTOHSCROLL, 7, 57, 138, 14, L""},
    {IDC_BROWSE, L"Button", kPush, 148, 57, 39, 14, L"参照(&B)..."},
    {IDC_DEFAULT_FOLDER, L"Button", kPush, 191, 57, 47, 14, L"デフォルト(&D)"},
    {IDC_DESIGN_NAME1_LABEL, L"Static", kLabel, 39, 93, 102, 10, L"ノーマル カーソル(&N):"},
    {IDC_DESIGN_NAME1, L"Edit", kEdit | ES_AUTOHSCROLL, 144, 91, 85, 14, L""},
    {IDC_DESIGN_NAME2_LABEL, L"Static", kLabel, 39, 107, 102, 10,
     L"アニメーション カーソル(&A):"},
    {IDC_DESIGN_NAME2, L"Edit", kEdit | ES_AUTOHSCROLL, 144, 106, 85, 14, L""},
    {IDC_DESIGN_IMAGE, L"Static", kOwnerDrawn, 13, 95, 14, 14, L""},
    {IDC_ALL_USERS, L"Button", kChild | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 16, 125, 220, 12,
     L"すべてのユーザーで使用する(&L) (管理者権限が必要です)"},
    {IDC_DESIGN_GROUP, L"Button", kChild | WS_GROUP | BS_GROUPBOX, 7, 80, 231, 63,
     L"コントロールパネル - マウスのポインタ リストへの登録名"},
    {IDC_FOLDER_ICON, L"Static", kOwnerDrawn | SS_REALSIZEIMAGE, 7, 43, 1, 8, L""},
};

const ExpectedControl kAboutControls[] = {
    {IDC_ABOUT_APP_ICON, L"Static", kOwnerDrawn, 11, 9, 16, 17, L""},
    {IDC_ABOUT_PROGRAM, L"Static", kLabel | SS_NOPREFIX, 37, 7, 183, 11,
     L"おるばんでる カーソルインストーラ みに"},
    {IDC_ABOUT_COPYRIGHT, L"Static", kLabel, 37, 22, 183, 11, L"Copyright (C) 2026 おるばんでる"},
    {IDOK, L"Button", kDefPush, 162, 118, 48, 15, L"OK"},
    {IDC_ABOUT_SEPARATOR, L"Static", kChild | WS_GROUP | SS_ETCHEDHORZ, 12, 41, 207, 1, L""},
    {IDC_ABOUT_HEADING, L"Static", kLabel, 37, 48, 183, 11, L"☆インストールするカーソルの情報☆"},
    {IDC_ABOUT_SET_IMAGE, L"Static", kOwnerDrawn, 10, 61, 20, 20, L""},
    {IDC_ABOUT_PRODUCT, L"Static", kLabel | SS_NOPREFIX, 37, 62, 183, 11, L"(製品名とバージョン)"},
    {IDC_ABOUT_PRODUCT_COPYRIGHT, L"Static", kLabel | SS_NOPREFIX, 37, 76, 183, 11, L"(著作権表示)"},
    {IDC_ABOUT_HOMEPAGE, L"Edit", kEdit | ES_AUTOHSCROLL | ES_READONLY, 37, 95, 183, 15, L""},
};

}  // namespace

const ExpectedDialog kMainDialog = {
    IDD_MAIN,
    "main dialog",
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_EX_APPWINDOW | WS_EX_CONTEXTHELP,
    L"おるばんでる カーソルインストーラ みに",
    kMainDialogClass,
    kMainControls,
    sizeof(kMainControls) / sizeof(kMainControls[0]),
};

const ExpectedDialog kAboutDialog = {
    IDD_ABOUT,
    "about dialog",
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
    0,
    L"バージョン情報",
    L"",
    kAboutControls,
    sizeof(kAboutControls) / sizeof(kAboutControls[0]),
};

}  // namespace ResTest
