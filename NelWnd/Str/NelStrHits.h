// The match positions a replace-all collects before it builds its result.
// Internal to the string class.
#pragma once
#include <string.h>

class CNelStrHits {
public:
    CNelStrHits() : m_hits(nullptr), m_count(0), m_size(0) {}
    ~CNelStrHits() { delete[] m_hits; }
    CNelStrHits(const CNelStrHits&) = delete;
    CNelStrHits& operator=(const CNelStrHits&) = delete;

    // Grows by doubling, so many matches cost few copies. Exhaustion
    // raises the allocation-failure exception, as in the class itself.
    void Add(int at)
    {
        if (m_count == m_size) {
            int size = m_size ? m_size * 2 : 16;
            int* grown = new int[size];
            if (m_count)
                memcpy(grown, m_hits, m_count * sizeof(int));
            delete[] m_hits;
            m_hits = grown;
            m_size = size;
        }
        m_hits[m_count++] = at;
    }
    int Count() const { return m_count; }
    int operator[](int i) const { return m_hits[i]; }

private:
    int* m_hits;
    int m_count;
    int m_size;
};
