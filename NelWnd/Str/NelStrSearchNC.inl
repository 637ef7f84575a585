// Case-insensitive search and replace-all, which only the installer's own
// build of CNelStrW has (included by NelStrSearch.inl under
// NEL_INSTALLER_BUILD; the installer builds the wide twin alone).
static_assert(sizeof(NELSTR_T) == sizeof(wchar_t), "the installer builds only the wide twin");

// Each unit is compared as a one-unit string with the CRT's
// case-insensitive comparison; an empty s never matches.
int CNelStrW::FindNC(const wchar_t* s, int start) const
{
    if (!m_pBuff || start < 0 || start >= m_nLen || !s || !*s)
        return -1;
    for (int p = start; p < m_nLen; ++p) {
        int i = 0;
        while (s[i] && NelStrUnitEqualsNoCase(m_pBuff[p + i], s[i]))
            ++i;
        if (!s[i])
            return p;
    }
    return -1;
}

int CNelStrW::PermStrNC(const wchar_t* find, const wchar_t* repl)
{
    return ReplaceEach(find, repl, &CNelStrW::FindNC);
}
