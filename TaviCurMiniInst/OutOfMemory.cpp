// What running out of memory does in the installer: the process ends at
// once (abort), as it did when the string class's std::bad_alloc reached
// the top of the program uncaught (nothing in the installer catches it).
//
// The installer is built without exception support: throwing one
// exception type that nothing catches linked the whole exception runtime
// into the program (the unwinder, its thread library and the exception
// tables of every function, about 100 KB of a 240 KB program). These
// replacements of the global allocation functions keep the standard
// library's throwing operator new out of the link. The no-throw forms
// return NULL on failure, as the standard ones do; the callers that use
// them check for it.
//
// Linked into the program as an object, not from a library, so that they
// take the place of the standard library's. The checked build brings its
// own (checked/NelCheckedHeap.cpp) and does not build this file.
#include <cstdlib>
#include <new>

namespace {

void* Allocate(std::size_t size) noexcept
{
    return std::malloc(size ? size : 1);
}

void* AllocateOrEnd(std::size_t size) noexcept
{
    void* block = Allocate(size);
    if (!block)
        std::abort();
    return block;
}

} // namespace

void* operator new(std::size_t size) { return AllocateOrEnd(size); }
void* operator new[](std::size_t size) { return AllocateOrEnd(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
