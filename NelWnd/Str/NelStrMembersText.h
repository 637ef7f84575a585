// Text files, window text, string resources and the environment: members
// shared by CNelStrW and CNelStrA, included inside each class body by
// NelStrMembers.h (NELSTR_SELF, NELSTR_T set).
// No include guard: it is meant to be read twice.
public:
    // Replaces the string by the text of the file (UTF-16 for CNelStrW,
    // ANSI for CNelStrA); 1 on success, 0 with the string unchanged.
    int LoadTextFile(const NELSTR_T* path);
    // Writes the text to the file, replacing it; CNelStrW writes UTF-16 with
    // an optional mark (big-endian when bigEndian is 1), CNelStrA writes
    // ANSI bytes and ignores both ints. An empty string writes nothing and
    // returns 0.
    int SaveTextFile(const NELSTR_T* path, int writeMark, int bigEndian);

    // The window's text; 0 (string unchanged) when hwnd is not a window.
    // GetWindowTextA is the same operation in both twins (the name carries
    // no width: CNelStrW reads wide text).
    int GetWndText(HWND hwnd);
    int GetWindowTextA(HWND hwnd);
    // Sets the window's text to the string; the platform's result.
    // SetWindowTextA is the same operation in both twins.
    int SetWndText(HWND hwnd) const;
    int SetWindowTextA(HWND hwnd) const;

    // String resource id of module inst (NULL: the running program's
    // executable); 1 on success, 0 with the string unchanged on failure.
    int LoadStr(UINT id, HINSTANCE inst);

    // Replaces %NAME% references by environment variables; unchanged when
    // the expansion fails.
    void ExpandEnvStr();

    // The logon name of the current user; 1 on success, 0 with the string
    // unchanged.
    int GetCrUserName();
