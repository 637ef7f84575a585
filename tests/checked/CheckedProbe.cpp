// A deliberately broken program: each argument commits one kind of fault
// that the plain build lets pass and the checked build must stop. It prints
// "<fault> passed" when the fault went unnoticed and exits with 0; under
// the checked build it never gets that far.
//   CheckedProbe index | overflow | heap-overrun | heap-read | double-free
//                | use-after-free | vector-index
#include <windows.h>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

// Values the compiler cannot see through, so that every fault happens at
// run time.
volatile int g_four = 4;
volatile int g_max = 0x7FFFFFFF;

struct Table {
    int cells[4];
    int after;
};

int IndexPastArray()
{
    Table t = {{1, 2, 3, 4}, 5};
    t.cells[g_four] = 9;  // one past the end: lands in "after"
    return t.after;
}

int SignedOverflow()
{
    int x = g_max;
    x += g_four;
    return x;
}

// Called through a pointer, so that the compiler cannot tell which block
// the index belongs to (as in a string class's SetAt).
void PutAt(char* p, int i, char c)
{
    p[i] = c;
}
void (*volatile g_putAt)(char*, int, char) = PutAt;

int HeapOverrun()
{
    char* p = new char[13];
    std::memset(p, 'a', 13);
    g_putAt(p, 13, 'b');  // the first byte after the block
    const int last = p[12];
    delete[] p;
    return last;
}

int HeapReadPastEnd()
{
    // Seven characters and no terminator: the length runs on past the block.
    wchar_t* p = new wchar_t[7];
    std::wmemset(p, L'x', 7);
    const int length = (int)std::wcslen(p);
    delete[] p;
    return length >= 7;
}

int DoubleFree()
{
    char* volatile p = new char[32];
    delete[] p;
    delete[] p;
    return 1;
}

int UseAfterFree()
{
    char* p = new char[256];
    delete[] p;
    p[100 + g_four - 4] = 'x';
    // Enough allocations of that size for the freed block to be used again.
    for (int i = 0; i < 200; ++i)
        delete[] new char[256];
    return 1;
}

int VectorIndex()
{
    std::vector<int> v(4, 1);
    return v[g_four];
}

struct Fault {
    const char* name;
    int (*run)();
};

const Fault kFaults[] = {
    {"index", IndexPastArray},          {"overflow", SignedOverflow},
    {"heap-overrun", HeapOverrun},      {"heap-read", HeapReadPastEnd},
    {"double-free", DoubleFree},        {"use-after-free", UseAfterFree},
    {"vector-index", VectorIndex},
};

} // namespace

int main(int argc, char** argv)
{
    for (const Fault& f : kFaults) {
        if (argc > 1 && std::strcmp(argv[1], f.name) == 0) {
            const int result = f.run();
            std::printf("%s passed (%d)\n", f.name, result);
            return 0;
        }
    }
    std::printf("usage: CheckedProbe FAULT\nfaults:");
    for (const Fault& f : kFaults)
        std::printf(" %s", f.name);
    std::printf("\n");
    return 2;
}
