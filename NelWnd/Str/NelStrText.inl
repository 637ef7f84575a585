// Text files, window text, string resources and the environment: the body shared by CNelStrW and CNelStrA (compiled once
// per twin, see NelStrCore.inl).

// Loads with a buffer that grows by 128 units until the text fits with two
// units to spare: the platform call truncates silently, so a text that
// fills the buffer is read again rather than kept cut.
int NELSTR_SELF::LoadStr(UINT id, HINSTANCE inst)
{
    if (id == 0)
        return 0;
    if (!inst) {
        // NULL means the running program's executable, not this library.
        inst = GetModuleHandleW(nullptr);
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
