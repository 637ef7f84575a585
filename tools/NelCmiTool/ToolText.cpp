#include "ToolText.h"
#include <windows.h>

namespace {

struct Entry {
    Msg id;
    const wchar_t* en;
    const wchar_t* ja;
};

const Entry kEntries[] = {
    {Msg::Usage,
     L"usage: NelCmiTool check <package folder or .nelcmi> [--lang ja|en]\n"
     L"       NelCmiTool from-inf <install.inf> <output folder> [--codepage N] [--lang ja|en]",
     L"使い方: NelCmiTool check <パッケージのフォルダまたは .nelcmi> [--lang ja|en]\n"
     L"        NelCmiTool from-inf <install.inf> <出力フォルダ> [--codepage N] [--lang ja|en]"},
    {Msg::LinePrefix, L"line {1}: ", L"{1} 行目: "},
    {Msg::WarningPrefix, L"warning: ", L"警告: "},
    {Msg::CannotRead, L"cannot read the package: {1}", L"パッケージを読み込めません: {1}"},
    {Msg::NoInfoFile, L"no .nelcmi file in the folder {1}",
     L"フォルダ {1} に .nelcmi ファイルがありません"},
    {Msg::EncUtf8Bom,
     L"the file is UTF-8 with a byte-order mark; the installer reads UTF-16LE only and sees no key",
     L"ファイルが UTF-8 (BOM 付き) です。インストーラは UTF-16LE しか読めず、キーを 1 つも見つけられません"},
    {Msg::EncUtf8,
     L"the file is UTF-8 without a byte-order mark; the installer reads UTF-16LE only and sees no key",
     L"ファイルが UTF-8 (BOM なし) です。インストーラは UTF-16LE しか読めず、キーを 1 つも見つけられません"},
    {Msg::EncAnsi,
     L"the file is ANSI (single-byte or code-page) text; the installer reads UTF-16LE only and sees no key",
     L"ファイルが ANSI (シフト JIS など) です。インストーラは UTF-16LE しか読めず、キーを 1 つも見つけられません"},
    {Msg::EncBigEndian,
     L"the file is UTF-16 big-endian; the installer reads it as little-endian and sees no key",
     L"ファイルが UTF-16 ビッグエンディアンです。インストーラはリトルエンディアンとして読むため、キーを 1 つも見つけられません"},
    {Msg::EncNoBom,
     L"the file is UTF-16LE without a byte-order mark; the installer reads it, but editors may not: save it with a BOM",
     L"ファイルが BOM なしの UTF-16LE です。インストーラは読めますが、エディタが誤認することがあります。BOM 付きで保存してください"},
    {Msg::EncEmpty, L"the file is empty", L"ファイルが空です"},
    {Msg::HeaderSpace,
     L"section header [{1}] does not start at the beginning of the line; the installer never finds it",
     L"セクション [{1}] の見出しが行頭から始まっていません。インストーラはこのセクションを見つけられません"},
    {Msg::SectionCase,
     L"section [{1}] is spelt in the wrong letter case; the installer looks for [{2}] and never sees its keys",
     L"セクション名 [{1}] の大文字と小文字が違います。インストーラは [{2}] を探すため、このセクションのキーは読まれません"},
    {Msg::KeyOnHeader,
     L"key \"{1}\" stands on the header line of [{2}]; the installer never sees it",
     L"キー \"{1}\" が [{2}] の見出しと同じ行にあります。インストーラはこのキーを読みません"},
    {Msg::KeyLeadingSpace,
     L"key \"{1}\" has a space before its name; the installer never sees it",
     L"キー \"{1}\" の前に空白があります。インストーラはこのキーを読みません"},
    {Msg::KeySpaceBeforeEq,
     L"key \"{1}\" has a space before \"=\"; the installer never sees it",
     L"キー \"{1}\" の \"=\" の前に空白があります。インストーラはこのキーを読みません"},
    {Msg::KeyCase,
     L"key \"{1}\" is spelt in the wrong letter case; the installer looks for \"{2}\"",
     L"キー \"{1}\" の大文字と小文字が違います。インストーラは \"{2}\" を探します"},
    {Msg::KeyDuplicate,
     L"key \"{1}\" is given again (first on line {2}); this later value is never read",
     L"キー \"{1}\" が重複しています (最初は {2} 行目)。後の値は読まれません"},
    {Msg::KeyOutside,
     L"key \"{1}\" belongs in [{2}], not in [{3}]; the installer never sees it there",
     L"キー \"{1}\" は [{3}] ではなく [{2}] に書く必要があります。ここではインストーラに読まれません"},
    {Msg::KeyBeforeSections,
     L"key \"{1}\" stands before any section header; the installer never sees it",
     L"キー \"{1}\" がどのセクションにも属していません。インストーラはこのキーを読みません"},
    {Msg::KeyUnknownClose, L"unknown key \"{1}\" in [{2}]; did you mean {3}?",
     L"[{2}] の \"{1}\" は不明なキーです。{3} の間違いではありませんか?"},
    {Msg::KeyNotSeen,
     L"key \"{1}\" is not what the installer reads from [{2}] (an earlier [{2}] section or a zero character hides it)",
     L"キー \"{1}\" は [{2}] から読まれません (前にある同名のセクションか NUL 文字に隠れています)"},
    {Msg::MissingRequired,
     L"required key [{1}] {2} is missing or empty; the installer refuses to start",
     L"必須のキー [{1}] {2} がないか空です。インストーラは起動を中止します"},
    {Msg::FilesNone, L"[InstallFiles] has no File0; the installer refuses to install",
     L"[InstallFiles] に File0 がありません。インストールできません"},
    {Msg::FilesGap, L"{1} is never read: the list ends at {2}, which is missing or empty",
     L"{1} は読まれません。{2} がないか空のため、リストはそこで終わります"},
    {Msg::FileInvalid,
     L"{1}={2}: invalid file name (\"*\", \"?\", \",\", \":\" or a path leaving the install folder); the installer stops",
     L"{1}={2}: 無効なファイル名です (\"*\"、\"?\"、\",\"、\":\" またはインストール先の外を指すパス)。インストールは中止されます"},
    {Msg::FileMissing, L"{1}={2}: the file {3} does not exist; the installer stops",
     L"{1}={2}: ファイル {3} がありません。インストールは中止されます"},
    {Msg::DesignNotListed,
     L"{1}={2}: the file is not listed in [InstallFiles], so it is never copied",
     L"{1}={2}: このファイルは [InstallFiles] にないため、コピーされません"},
    {Msg::RoleEmpty, L"{1} is empty: the {2} pointer stays the system's standard one",
     L"{1} が空です。{2} のポインタはシステム標準のままになります"},
    {Msg::CursorInvalid, L"{1}={2}: not a valid .cur or .ani file ({3})",
     L"{1}={2}: 正しい .cur / .ani ファイルではありません ({3})"},
    {Msg::CursorShort, L"too short", L"短すぎます"},
    {Msg::CursorNoAcon, L"RIFF file that is not ACON", L"ACON ではない RIFF ファイルです"},
    {Msg::CursorNoAnih, L"ACON without an anih chunk", L"anih チャンクのない ACON です"},
    {Msg::VersionTooNew,
     L"NelCMIFileVer {1} ({2}) is above 1.00; the installer asks the user whether to go on",
     L"NelCMIFileVer {1} ({2}) が 1.00 より大きいため、インストーラは続けるかどうかを確認します"},
    {Msg::MacroLeft, L"[{1}] {2}: %{3}% stays unexpanded",
     L"[{1}] {2}: %{3}% は展開されずに残ります"},
    {Msg::RegRootUnknown,
     L"[{1}] {2}: \"{3}\" has an unknown registry root; nothing is saved or restored there",
     L"[{1}] {2}: \"{3}\" のルート キーが不明です。保存も復元もされません"},
    {Msg::Clean, L"no problems found", L"問題は見つかりませんでした"},
    {Msg::InfCannotRead, L"cannot read {1}", L"{1} を読み込めません"},
    {Msg::InfNoScheme,
     L"no AddReg line writes HKCU \"Control Panel\\Cursors\\Schemes\"; nothing to convert",
     L"HKCU \"Control Panel\\Cursors\\Schemes\" に書き込む AddReg 行がありません。変換できません"},
    {Msg::InfFileAbsent, L"listed file {1} does not exist beside the inf; left out",
     L"指定されたファイル {1} が inf と同じフォルダにありません。除外しました"},
    {Msg::InfRoleAbsent, L"{1}: file {2} is not in the package; the role is left empty",
     L"{1}: ファイル {2} がパッケージにないため、空のままにしました"},
    {Msg::InfExtraFields, L"the scheme has {1} fields; fields after the seventeenth are left out: {2}",
     L"スキームのフィールドが {1} 個あります。17 個目より後は除外しました: {2}"},
    {Msg::InfFolderDiffers,
     L"the scheme names the folder {1}, the files are copied to {2}; the package uses the latter",
     L"スキームのフォルダ {1} とコピー先 {2} が異なります。パッケージはコピー先を使います"},
    {Msg::InfNoInstaller, L"cannot find {1} beside the tool", L"ツールと同じフォルダに {1} がありません"},
    {Msg::InfCopyFailed, L"cannot copy {1}", L"{1} をコピーできません"},
    {Msg::InfWritten, L"package written: {1}", L"パッケージを作成しました: {1}"},
    {Msg::InfCannotWrite, L"cannot write {1}", L"{1} を書き込めません"},
    {Msg::NotePrefix, L"note: ", L"補足: "},
    {Msg::BadCodePage, L"code page {1} is not available on this system",
     L"コード ページ {1} はこのシステムで使えません"},
    {Msg::InfGuessedCodePage,
     L"the inf has no byte-order mark and is not UTF-8; it was read in code page {1}, the system's "
     L"ANSI code page, as setupapi reads it (name another with --codepage N)",
     L"inf に BOM がなく UTF-8 でもないため、setupapi と同じくシステムの ANSI コード ページ {1} "
     L"として読みました (別のコード ページは --codepage N で指定します)"},
    {Msg::InfBrokenQuotes,
     L"line {1}: the quoting of the scheme line is broken: {2} -- read as {3} fields: {4}",
     L"{1} 行目: スキーム行の引用符が壊れています: {2} -- {3} 個のフィールドとして読みました: {4}"},
    {Msg::InfFlags,
     L"the scheme line asks for registry flags {1} ({2}); the installer writes its own types "
     L"(REG_EXPAND_SZ for the current user, REG_SZ for all users)",
     L"スキーム行はレジストリ フラグ {1} ({2}) を指定しています。インストーラは独自の型で書き込みます "
     L"(現在のユーザーは REG_EXPAND_SZ、すべてのユーザーは REG_SZ)"},
    {Msg::InfSetsCurrent,
     L"the inf also makes the scheme the current pointer set; the installer asks the user after "
     L"installing instead",
     L"inf はスキームを現在のポインタにも設定します。インストーラはインストール後にユーザーに確認します"},
    {Msg::InfNoDestination,
     L"the inf has no [DestinationDirs] entry (setupapi would copy the files into the system "
     L"folder); the package installs into {1}",
     L"inf に [DestinationDirs] の指定がありません (setupapi ならシステム フォルダにコピーします)。"
     L"パッケージは {1} にインストールします"},
    {Msg::InfDestinationElsewhere,
     L"the inf copies the files to {1}, which is not a folder inside the Windows folder; the "
     L"package installs into {2}",
     L"inf のコピー先 {1} は Windows フォルダの中ではありません。パッケージは {2} にインストールします"},
    {Msg::InfUnlisted,
     L"{1} is named by the scheme but in no CopyFiles section (setupapi would not copy it); the "
     L"package copies it",
     L"{1} はスキームにありますが、どの CopyFiles セクションにもありません (setupapi はコピーしません)。"
     L"パッケージはコピーします"},
    {Msg::InfSubfolder, L"{1} lies in a subfolder; the package installs it as {2}",
     L"{1} はサブフォルダにあります。パッケージは {2} としてインストールします"},
    {Msg::InfFewFields, L"the scheme has only {1} fields; the roles after them stay empty",
     L"スキームのフィールドは {1} 個だけです。残りの役割は空のままです"},
    {Msg::InfPinPersonSwapped,
     L"fields 16 and 17 look swapped: field 16 (Pin) names {1}, field 17 (Person) names {2}; "
     L"Windows reads field 16 as Pin, so the package keeps the positions",
     L"16 番目と 17 番目のフィールドが逆のようです: 16 番目 (Pin) は {1}、17 番目 (Person) は {2} です。"
     L"Windows は 16 番目を Pin として読むため、パッケージは位置をそのまま使います"},
    {Msg::DefaultFolderEmpty,
     L"[MainDlg] DefInstallFolder: the default folder is empty after macro expansion",
     L"[MainDlg] DefInstallFolder: マクロ展開後の既定のフォルダが空です"},
    {Msg::DefaultFolderRelative,
     L"[MainDlg] DefInstallFolder: the default folder \"{1}\" is not a full path (drive and \":\\\" "
     L"or \"\\\\server\\share\"); the installer refuses it",
     L"[MainDlg] DefInstallFolder: 既定のフォルダ \"{1}\" が完全なパス (ドライブと \":\\\"、または "
     L"\"\\\\server\\share\") ではありません。インストーラは受け付けません"},
    {Msg::DefaultFolderInvalid,
     L"[MainDlg] DefInstallFolder: the default folder \"{1}\" cannot be created (invalid characters "
     L"or \"..\")",
     L"[MainDlg] DefInstallFolder: 既定のフォルダ \"{1}\" は作成できません (無効な文字または \"..\")"},
    {Msg::DesignNamesEqual,
     L"DN1CurName \"{1}\" and DN2CurName \"{2}\" are the same ignoring case; the installer stops",
     L"DN1CurName \"{1}\" と DN2CurName \"{2}\" が (大文字と小文字を区別せずに) 同じです。インストールは中止されます"},
    {Msg::DesignWithoutFiles,
     L"design {1} has no file in [DesignList]: its scheme would hold no pointer",
     L"デザイン {1} のファイルが [DesignList] に 1 つもありません。ポインタのないスキームになります"},
    {Msg::CursorIconType,
     L"{1}={2}: the file is an icon (type 1); it loads as a cursor, with the hot spot taken from "
     L"the icon's colour-plane and bit-count fields",
     L"{1}={2}: アイコン (種類 1) のファイルです。カーソルとして読み込めますが、ホット スポットは"
     L"アイコンのプレーン数とビット数の欄から取られます"},
    {Msg::CursorOddType, L"{1}={2}: the file's directory type is {3}, not 2 (cursor)",
     L"{1}={2}: ファイルのディレクトリの種類が 2 (カーソル) ではなく {3} です"},
    {Msg::CursorSomeEntriesBad, L"{1}={2}: {3} of its images are damaged; the others load",
     L"{1}={2}: {3} 個の画像が壊れています。残りは読み込めます"},
    {Msg::CursorNoImage, L"no image that the system can load", L"システムが読み込める画像がありません"},
    {Msg::CursorNoFrames, L"ACON without a frame list", L"フレームの一覧のない ACON です"},
    {Msg::CursorEmptyAnimation,
     L"{1}={2}: the animated cursor's frame list is empty; it loads, but shows no picture",
     L"{1}={2}: アニメーション カーソルのフレームの一覧が空です。読み込めますが、絵は表示されません"},
};

bool g_japanese = false;

} // namespace

void SetToolLanguage(bool japanese)
{
    g_japanese = japanese;
}

bool ToolLanguageIsJapanese()
{
    return g_japanese;
}

bool UserLanguageIsJapanese()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
}

std::wstring Text(Msg id, const std::wstring& a1, const std::wstring& a2, const std::wstring& a3,
                  const std::wstring& a4)
{
    std::wstring text;
    for (const Entry& e : kEntries) {
        if (e.id == id) {
            text = g_japanese ? e.ja : e.en;
            break;
        }
    }
    const std::wstring* args[] = {&a1, &a2, &a3, &a4};
    for (int i = 0; i < 4; ++i) {
        std::wstring mark = L"{" + std::to_wstring(i + 1) + L"}";
        for (size_t pos = text.find(mark); pos != std::wstring::npos;
             pos = text.find(mark, pos + args[i]->size()))
            text.replace(pos, mark.size(), *args[i]);
    }
    return text;
}
