// Item-ID lists handed out by the shell belong to the shell's allocator.
#pragma once
#include <shlobj.h>

// Frees list with the shell's allocator; false (list kept) when the
// allocator cannot be had.
inline bool NelFreeIdList(LPITEMIDLIST list)
{
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator)
        return false;
    allocator->Free(list);
    allocator->Release();
    return true;
}
