// The tool's messages in English and Japanese. The language follows the
// user's UI language (Japanese for a Japanese UI, English otherwise)
// unless --lang chooses one. Placeholders {1} to {3} are filled in order.
#pragma once
#include <string>

enum class Msg {
    Usage,
    LinePrefix,
    WarningPrefix,
    CannotRead,
    NoInfoFile,
    EncUtf8Bom,
    EncUtf8,
    EncAnsi,
    EncBigEndian,
    EncNoBom,
    EncEmpty,
    HeaderSpace,
    SectionCase,
    KeyOnHeader,
    KeyLeadingSpace,
    KeySpaceBeforeEq,
    KeyCase,
    KeyDuplicate,
    KeyOutside,
    KeyBeforeSections,
    KeyUnknownClose,
    KeyNotSeen,
    MissingRequired,
    FilesNone,
    FilesGap,
    FileInvalid,
    FileMissing,
    DesignNotListed,
    RoleEmpty,
    CursorInvalid,
    CursorShort,
    CursorNotDir,
    CursorNoAcon,
    CursorNoAnih,
    VersionTooNew,
    MacroLeft,
    RegRootUnknown,
    Clean,
    InfCannotRead,
    InfNoScheme,
    InfFileAbsent,
    InfRoleAbsent,
    InfExtraFields,
    InfFolderDiffers,
    InfNoInstaller,
    InfCopyFailed,
    InfWritten,
    InfCannotWrite,
};

void SetToolLanguage(bool japanese);
bool ToolLanguageIsJapanese();
// The language of the user's UI: true for Japanese.
bool UserLanguageIsJapanese();

std::wstring Text(Msg id, const std::wstring& a1 = L"", const std::wstring& a2 = L"",
                  const std::wstring& a3 = L"");
