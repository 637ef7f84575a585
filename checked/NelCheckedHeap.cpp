// Operator new and delete of the checked build (NEL_CHECKED): every block
// of the project's C++ code lies at the very end of its own page, right
// before a page that may not be touched, and carries checks that turn
// memory misuse into a stop at the place it happens or soon after:
//
//   - reading or writing past the end of a block reaches the no-access page
//     and faults at once (a text without its terminator runs into it too:
//     the few bytes between the end of a block and the page, which keep
//     blocks 16-byte aligned, hold non-zero filler);
//   - a write into that filler is found when the block is freed;
//   - freeing a block twice, or freeing what operator new never gave, is
//     found at the second free;
//   - a write into a freed block is found when its slot is next used
//     (freed slots wait in a queue before they are used again).
//
// Wine's heap checking (WINEDEBUG=warn+heap) only reports such faults, and
// only once the heap is validated; this stops the program instead. A fault
// is reported on standard error and raised as STATUS_HEAP_CORRUPTION, so it
// ends the program as the system's own heap checks would.
//
// Slots are made in chunks (one committed range, guard pages made
// no-access one by one) and never returned to the system: their number
// grows to the most blocks alive at once plus the queue. Blocks too large
// for a slot get a range of their own, released when they are freed.
//
// Every no-access page splits the range into another mapping of the
// process, and Linux allows a process 65530 of them, Wine's own included.
// So only the first 20000 slots get one; a program that holds more blocks
// at once (the robustness run's snapshots of a whole drive) gets slots
// without it, whose blocks keep every check but the fault at once on a
// read past their end.
#include <windows.h>
#include <cstddef>
#include <cstring>
#include <new>

namespace {

const size_t kPage = 4096;
const size_t kAlign = 16;
const unsigned kLive = 0x4C495645;   // "LIVE"
const unsigned kDead = 0x44454144;   // "DEAD"
const unsigned kLarge = 0x80000000;  // pages: a block with a range of its own
const unsigned char kFiller = 0xAB;  // between a block's end and its page end
const unsigned char kFreed = 0xDD;   // a freed block's bytes
const DWORD kHeapCorruption = 0xC0000374;

// Slot sizes in pages: 1, 2, 4, ... 32; larger blocks get their own range.
const int kClasses = 6;
// Freed slots of a size wait behind this many others before reuse.
const unsigned kQueue = 64;
// Slots with a no-access page after them (see above).
const size_t kGuardedSlots = 20000;

// Right before every block; 32 bytes, so blocks stay 16-byte aligned.
struct Header {
    unsigned magic;
    unsigned pages;
    unsigned long long size;  // bytes asked for
    Header* next;             // queue of freed slots
    char spare[32 - 16 - sizeof(Header*)];
};
static_assert(sizeof(Header) == 32, "header keeps blocks aligned");

struct Queue {
    Header* head;
    Header* tail;
    unsigned count;
};

Queue g_queues[kClasses];
size_t g_guarded = 0;
volatile LONG g_lock = 0;

class Lock {
public:
    Lock()
    {
        while (InterlockedCompareExchange(&g_lock, 1, 0) != 0)
            SwitchToThread();
    }
    ~Lock() { InterlockedExchange(&g_lock, 0); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
};

size_t RoundUp(size_t n, size_t to) { return (n + to - 1) / to * to; }

// Puts a freed (or new, empty) slot at the end of its size's queue.
void Append(Queue& q, Header* h)
{
    h->next = nullptr;
    if (q.tail)
        q.tail->next = h;
    else
        q.head = h;
    q.tail = h;
    ++q.count;
}

void WriteHex(char* out, ULONG_PTR value)
{
    for (int i = 2 * (int)sizeof(value) - 1; i >= 0; --i, value >>= 4)
        out[i] = "0123456789ABCDEF"[value & 15];
}

[[noreturn]] void Fault(const char* what, const void* block)
{
    char line[160];
    const char prefix[] = "checked heap: ";
    size_t n = 0;
    std::memcpy(line, prefix, sizeof(prefix) - 1);
    n += sizeof(prefix) - 1;
    size_t w = std::strlen(what);
    if (w > 100)
        w = 100;
    std::memcpy(line + n, what, w);
    n += w;
    const char at[] = " at 0x";
    std::memcpy(line + n, at, sizeof(at) - 1);
    n += sizeof(at) - 1;
    WriteHex(line + n, (ULONG_PTR)block);
    n += 2 * sizeof(ULONG_PTR);
    line[n++] = '\r';
    line[n++] = '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, (DWORD)n, &written, nullptr);
    RaiseException(kHeapCorruption, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    TerminateProcess(GetCurrentProcess(), kHeapCorruption);
    for (;;) {
    }
}

bool AllBytes(const unsigned char* p, size_t n, unsigned char value)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i] != value)
            return false;
    return true;
}

// The end of the slot or range a header lies in: the no-access page.
char* SlotEnd(Header* h)
{
    size_t used = RoundUp((size_t)h->size, kAlign);
    return (char*)h + sizeof(Header) + used;
}

// Makes a chunk of slots of 2^c pages and queues them as freed, empty.
bool AddChunk(int c)
{
    const size_t pages = (size_t)1 << c;
    const size_t slots = pages >= 16 ? 4 : 64 / pages;
    const size_t stride = (pages + 1) * kPage;
    char* chunk = (char*)VirtualAlloc(nullptr, slots * stride, MEM_RESERVE | MEM_COMMIT,
                                      PAGE_READWRITE);
    if (!chunk)
        return false;
    Queue& q = g_queues[c];
    const bool guard = g_guarded < kGuardedSlots;
    if (guard)
        g_guarded += slots;
    for (size_t i = 0; i < slots; ++i) {
        char* end = chunk + i * stride + pages * kPage;
        DWORD old = 0;
        if (guard)
            VirtualProtect(end, kPage, PAGE_NOACCESS, &old);
        Header* h = (Header*)(end - sizeof(Header));
        h->magic = kDead;
        h->pages = (unsigned)pages;
        h->size = 0;
        Append(q, h);
    }
    return true;
}

// A freed slot of class c, checked for writes after its block was freed.
char* TakeSlot(int c)
{
    Lock lock;
    Queue& q = g_queues[c];
    if (q.count <= kQueue && !AddChunk(c) && !q.count)
        return nullptr;
    Header* h = q.head;
    q.head = h->next;
    if (!q.head)
        q.tail = nullptr;
    --q.count;
    if (h->magic != kDead ||
        !AllBytes((unsigned char*)(h + 1), RoundUp((size_t)h->size, kAlign), kFreed))
        Fault("block written to after it was freed", h + 1);
    return SlotEnd(h);
}

void QueueSlot(Header* h)
{
    int c = 0;
    while (((unsigned)1 << c) < h->pages)
        ++c;
    Lock lock;
    Append(g_queues[c], h);
}

void* Allocate(size_t size)
{
    if (size == 0)
        size = 1;
    if (size > ((size_t)-1) / 4)
        return nullptr;
    const size_t used = RoundUp(size, kAlign);
    const size_t need = used + sizeof(Header);
    char* end = nullptr;
    unsigned pages = 0;
    for (int c = 0; c < kClasses && !end; ++c) {
        if (need <= ((size_t)kPage << c)) {
            end = TakeSlot(c);
            if (!end)
                return nullptr;
            pages = 1u << c;
        }
    }
    if (!end) {
        const size_t n = RoundUp(need, kPage) / kPage;
        char* range = (char*)VirtualAlloc(nullptr, (n + 1) * kPage, MEM_RESERVE | MEM_COMMIT,
                                          PAGE_READWRITE);
        if (!range)
            return nullptr;
        end = range + n * kPage;
        DWORD old = 0;
        VirtualProtect(end, kPage, PAGE_NOACCESS, &old);
        pages = kLarge | (unsigned)n;
    }
    char* block = end - used;
    Header* h = (Header*)block - 1;
    h->magic = kLive;
    h->pages = pages;
    h->size = size;
    h->next = nullptr;
    std::memset(block + size, kFiller, used - size);
    return block;
}

void Release(void* p)
{
    if (!p)
        return;
    if ((ULONG_PTR)p % kAlign)
        Fault("free of a pointer operator new never returned", p);
    Header* h = (Header*)p - 1;
    if (h->magic == kDead)
        Fault("block freed twice", p);
    if (h->magic != kLive)
        Fault("free of a pointer operator new never returned (or its header overwritten)", p);
    const size_t size = (size_t)h->size;
    const size_t used = RoundUp(size, kAlign);
    if (!AllBytes((unsigned char*)p + size, used - size, kFiller))
        Fault("write past the end of a block", p);
    h->magic = kDead;
    if (h->pages & kLarge) {
        VirtualFree((char*)((ULONG_PTR)h & ~(ULONG_PTR)(kPage - 1)), 0, MEM_RELEASE);
        return;
    }
    std::memset(p, kFreed, used);
    QueueSlot(h);
}

} // namespace

void* operator new(size_t size)
{
    void* p = Allocate(size);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept
{
    Release(p);
}
