// Text files, window text, string resources and the environment: the body shared by CNelStrW and CNelStrA (compiled once
// per twin, see NelStrCore.inl). Platform calls go through the wrappers of NelStrTextPlatform.h, chosen by unit type.
#include "NelStrTextFile.h"
#include "NelStrTextPlatform.h"

// ---------------------------------------------------------------------------
// Text files

int NELSTR_SELF::LoadTextFile(const NELSTR_T* path)
{
    NelFileContents file;
    switch (file.Read(path)) {
    case NelFileContents::kFailed:
        return 0;
    case NelFileContents::kEmpty:
        Clear();
        return 1;
    case NelFileContents::kRead:
        break;
    }
    NELSTR_T* text = NelTextFromFile(file, m_pBuff);
    if (!text)
        return 0;
    // The text is adopted with a capacity of exactly its length + 1.
    delete[] m_pBuff;
    m_pBuff = text;
    m_nLen = NelLstrlen(text);
    m_nBuffSize = m_nLen + 1;
    return 1;
}

int NELSTR_SELF::SaveTextFile(const NELSTR_T* path, int writeMark, int bigEndian)
{
    // An empty string leaves any existing file alone.
    if (m_nLen == 0)
        return 0;
    return NelSaveTextFile(path, static_cast<const NELSTR_T*>(m_pBuff), writeMark, bigEndian);
}

// ---------------------------------------------------------------------------
// Window text

int NELSTR_SELF::GetWndText(HWND hwnd)
{
    if (!::IsWindow(hwnd))
        return 0;
    int len = NelGetWindowTextLength(hwnd, m_pBuff);
    if (len <= 0) {
        Clear();
        return 1;
    }
    NELSTR_T* buff = new NELSTR_T[len + 1]();
    // A window may report more than it copies (the ANSI length is an upper
    // bound) or fail the read; the text is taken up to its terminator, and
    // the last unit is forced to 0 in case a window's procedure omits it.
    int n = NelGetWindowText(hwnd, buff, len + 1);
    buff[len] = 0;
    if (n > 0)
        AssignUnits(buff, NelLstrlen(buff));
    else
        Clear();
    delete[] buff;
    return 1;
}

int NELSTR_SELF::GetWindowTextA(HWND hwnd) { return GetWndText(hwnd); }

int NELSTR_SELF::SetWndText(HWND hwnd) const { return NelSetWindowText(hwnd, m_pBuff); }

int NELSTR_SELF::SetWindowTextA(HWND hwnd) const { return SetWndText(hwnd); }

// ---------------------------------------------------------------------------
// String resources

// Loads with a buffer that grows by 128 units until the text fits with two
// units to spare: the platform call truncates silently, so a text that
// fills the buffer is read again rather than kept cut.
int NELSTR_SELF::LoadStr(UINT id, HINSTANCE inst)
{
    if (id == 0)
        return 0;
    if (!inst) {
        // NULL means the running program's executable, not this library.
        inst = NelGetExeModule(m_pBuff);
        if (!inst)
            return 0;
    }
    for (int capacity = 128;; capacity += 128) {
        NELSTR_T* buff = new NELSTR_T[capacity]();
        int n = NelLoadString(inst, id, buff, capacity);
        if (n == 0) {
            delete[] buff;
            return 0;
        }
        if (n < capacity - 2) {
            delete[] m_pBuff;
            m_pBuff = buff;
            m_nBuffSize = capacity;
            m_nLen = n;
            return 1;
        }
        delete[] buff;
    }
}

// ---------------------------------------------------------------------------
// Environment and user

void NELSTR_SELF::ExpandEnvStr()
{
    // A string without a buffer has nothing to expand; the platform call
    // is not given a NULL source.
    if (!m_pBuff)
        return;
    DWORD need = NelExpandEnvironmentStrings(m_pBuff, nullptr, 0);
    if (need == 0)
        return;
    // One unit more than asked for: the ANSI call of some systems needs
    // room for one character beyond the size it reports.
    NELSTR_T* buff = new NELSTR_T[need + 1]();
    DWORD got = NelExpandEnvironmentStrings(m_pBuff, buff, need + 1);
    // A result above the size means the variables grew between the calls
    // and the buffer holds no expansion.
    if (got != 0 && got <= need + 1)
        AssignUnits(buff, NelLstrlen(buff));
    delete[] buff;
}

int NELSTR_SELF::GetCrUserName()
{
    NELSTR_T name[257] = {};
    DWORD size = 257;
    if (!NelGetUserName(name, &size))
        return 0;
    name[256] = 0;
    AssignUnits(name, NelLstrlen(name));
    return 1;
}
