// Whole text files for the string class: reading a file into a padded
// buffer, turning its bytes into the text of either twin, and writing a
// text with or without a byte-order mark.
//
// CNelStrW files are UTF-16 (little-endian unless they start with the
// big-endian mark FE FF; an FF FE mark is skipped); CNelStrA files are
// ANSI code-page text without a mark. A CNelStrA reading a file that starts
// with a UTF-16 mark gets its text converted to the ANSI code page rather
// than the mark's bytes and the first character's low byte.
#pragma once
#include <windows.h>
#include <new>
#include <string.h>
#include "NelStrTextPlatform.h"

// Largest file read: its text must fit an int length plus the terminator.
// Larger files, and files of 4 GiB or more (whose low 32-bit size alone
// would read a cut piece), fail instead of being read in part.
const DWORD kNelMaxTextFileBytes = 0x7FFFFFFE;

// The bytes of a file, zero-padded so that they end in at least one zero
// unit read as UTF-16 and in a zero byte read as bytes. The buffer is held
// in UTF-16 units so that the wide reading is aligned; an odd-sized file
// gets a zero pad byte as the high byte of its last unit.
class NelFileContents {
public:
    enum Result { kFailed, kEmpty, kRead };

    NelFileContents() = default;
    ~NelFileContents() { delete[] m_units; }
    NelFileContents(const NelFileContents&) = delete;
    NelFileContents& operator=(const NelFileContents&) = delete;

    template <class T> Result Read(const T* path)
    {
        NelScopedHandle file(NelCreateFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL));
        if (!file.Valid())
            return kFailed;
        return ReadOpen(file.Get());
    }

    wchar_t* Units() { return m_units; }
    unsigned char* Bytes() { return reinterpret_cast<unsigned char*>(m_units); }
    DWORD Size() const { return m_size; }

    // Starts with the mark of a UTF-16 file (FF FE or FE FF).
    bool HasUtf16Mark() const
    {
        const unsigned char* b = reinterpret_cast<const unsigned char*>(m_units);
        return m_size >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF));
    }

    // The UTF-16 text: after a little-endian mark; after a big-endian mark
    // once every byte pair is swapped; else from the first byte.
    const wchar_t* Utf16Text()
    {
        unsigned char* b = Bytes();
        if (m_size >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
            DWORD pairs = (m_size + 1) / 2;
            for (DWORD i = 0; i < pairs; ++i)
                m_units[i] = static_cast<wchar_t>(((m_units[i] & 0xFF) << 8) | ((m_units[i] >> 8) & 0xFF));
            return m_units + 1;
        }
        return HasUtf16Mark() ? m_units + 1 : m_units;
    }

private:
    Result ReadOpen(HANDLE file)
    {
        DWORD high = 0;
        DWORD size = ::GetFileSize(file, &high);
        if (size == INVALID_FILE_SIZE || high != 0 || size > kNelMaxTextFileBytes)
            return kFailed;
        if (size == 0)
            return kEmpty;
        // size bytes plus at least two zero bytes, rounded up to whole units.
        DWORD units = (size + 1) / 2 + 1;
        // A file too large for memory is a failed read, not a crash.
        m_units = new (std::nothrow) wchar_t[units]();
        if (!m_units)
            return kFailed;
        DWORD read = 0;
        if (!::ReadFile(file, m_units, size, &read, nullptr)) {
            delete[] m_units;
            m_units = nullptr;
            return kFailed;
        }
        m_size = read;  // a file that shrank meanwhile ends in the zero fill
        return kRead;
    }

    wchar_t* m_units = nullptr;
    DWORD m_size = 0;
};

// The text of the file as a new buffer of exactly length + 1 units, or
// NULL when it cannot be held. The second argument selects the twin.
inline wchar_t* NelTextFromFile(NelFileContents& file, const wchar_t*)
{
    const wchar_t* text = file.Utf16Text();
    int len = ::lstrlenW(text);
    wchar_t* copy = new (std::nothrow) wchar_t[len + 1];
    if (copy) {
        memcpy(copy, text, len * sizeof(wchar_t));
        copy[len] = 0;
    }
    return copy;
}

inline char* NelTextFromFile(NelFileContents& file, const char*)
{
    if (file.HasUtf16Mark()) {
        // A UTF-16 file read as ANSI text: converted to the ANSI code page
        // (characters it lacks become the default character). Converted
        // here rather than by the class's own conversion so that a huge
        // file fails instead of raising an allocation failure.
        const wchar_t* text = file.Utf16Text();
        int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
        if (bytes <= 0)
            return nullptr;
        char* converted = new (std::nothrow) char[bytes]();
        if (converted && !::WideCharToMultiByte(CP_ACP, 0, text, -1, converted, bytes, nullptr, nullptr)) {
            delete[] converted;
            converted = nullptr;
        }
        return converted;
    }
    const char* text = reinterpret_cast<const char*>(file.Bytes());
    int len = ::lstrlenA(text);
    char* copy = new (std::nothrow) char[len + 1];
    if (copy) {
        memcpy(copy, text, len);
        copy[len] = 0;
    }
    return copy;
}

// Writes count bytes; true only when all of them were written.
inline bool NelWriteAll(HANDLE file, const void* data, DWORD count)
{
    DWORD written = 0;
    return ::WriteFile(file, data, count, &written, nullptr) && written == count;
}

// UTF-16 text, optionally after its mark (FE FF when bigEndian is 1, FF FE
// otherwise); big-endian text goes out byte-swapped through a small
// buffer, so the string itself is never changed and no copy of a large
// text is needed.
inline int NelWriteTextFile(HANDLE file, const wchar_t* text, int writeMark, int bigEndian)
{
    const bool big = (bigEndian == 1);
    if (writeMark) {
        static const unsigned char kLittle[2] = {0xFF, 0xFE}, kBig[2] = {0xFE, 0xFF};
        if (!NelWriteAll(file, big ? kBig : kLittle, 2))
            return 0;
    }
    DWORD len = static_cast<DWORD>(::lstrlenW(text));
    if (!big)
        return NelWriteAll(file, text, len * sizeof(wchar_t));
    if (len == 0)
        return NelWriteAll(file, text, 0);
    wchar_t chunk[2048];
    for (DWORD done = 0; done < len;) {
        DWORD n = len - done < 2048 ? len - done : 2048;
        for (DWORD i = 0; i < n; ++i) {
            wchar_t u = text[done + i];
            chunk[i] = static_cast<wchar_t>(((u & 0xFF) << 8) | ((u >> 8) & 0xFF));
        }
        if (!NelWriteAll(file, chunk, n * sizeof(wchar_t)))
            return 0;
        done += n;
    }
    return 1;
}

// ANSI text is written as it is: no mark, whatever the arguments.
inline int NelWriteTextFile(HANDLE file, const char* text, int, int)
{
    return NelWriteAll(file, text, static_cast<DWORD>(::lstrlenA(text)));
}

// Creates or truncates the file and writes the text; non-zero on success.
template <class T> int NelSaveTextFile(const T* path, const T* text, int writeMark, int bigEndian)
{
    NelScopedHandle file(NelCreateFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_ARCHIVE));
    if (!file.Valid())
        return 0;
    return NelWriteTextFile(file.Get(), text, writeMark, bigEndian);
}
