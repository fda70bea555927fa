#include "PhraseSearch.h"

#include <cstring>

#include <emmintrin.h>

bool PhraseSearch::Cut(DName const& text, Container<DName>& phrases)
{
    bool quoted = false;
    DName token;
    for (unsigned i = 0; i < text.Size(); ++i) {
        char const c = text[i];
        if (c == '"' || (c == ' ' && !quoted)) {
            // A closing quote keeps even an empty phrase.
            bool const keep = !token.isEmpty() || (c == '"' && quoted);
            if (keep && !phrases.InsertRight(token))
                return false;
            token.Destroy();
            if (c == '"')
                quoted = !quoted;
        } else if (!token.InsertRight(c, 1)) {
            return false;
        }
    }
    // A phrase still open counts only after another one.
    if (!token.isEmpty() && !phrases.isEmpty())
        return phrases.InsertRight(token);
    return true;
}

bool PhraseSearch::Prepare(DName const& text, unsigned char& mode,
                           Container<DName>& phrases)
{
    phrases.Destroy();
    // Nothing to look for: without this an empty phrase would be searched,
    // dropping every folder and empty file from the results.
    if (text.isEmpty()) {
        mode = 0;
        return true;
    }
    if (mode & (AnyPhrase | EveryPhrase)) {
        if (!Cut(text, phrases))
            return false;
        if (phrases.Size() >= 2)
            return true;
        mode = (mode & ~(AnyPhrase | EveryPhrase)) | WholeText;
        if (phrases.Size() == 1)
            return true;
    } else if (mode == 0) {
        return true;
    }
    return phrases.InsertRight(text);
}

PhraseSearch::Probe PhraseSearch::MakeProbe(char c, bool ignoreCase)
{
    char const lower = DName::Lower(c);
    bool const letter = ignoreCase && lower >= 'a' && lower <= 'z';
    return letter ? Probe{0x20, lower} : Probe{0, c};
}

bool PhraseSearch::isSame(char const* a, char const* b, unsigned n,
                          bool ignoreCase)
{
    if (!ignoreCase)
        return std::memcmp(a, b, n) == 0;
    for (unsigned i = 0; i < n; ++i) {
        if (DName::Lower(a[i]) != DName::Lower(b[i]))
            return false;
    }
    return true;
}

// Sixteen places at a time: the phrase can start only where both its first
// and its last byte stand at the right distance, and those are found for
// sixteen places with two comparisons; only there is the rest compared.
// With capitals ignored a letter is compared with bit 5 set on both sides,
// which makes its two cases one byte and no other byte that.
bool PhraseSearch::isIn(char const* buffer, unsigned n, DName const& phrase,
                        bool ignoreCase)
{
    unsigned const m = phrase.Size();
    if (m == 0)
        return n > 0;
    if (m > n)
        return false;
    char const* const p = &phrase;
    if (m == 1 && !ignoreCase)
        return std::memchr(buffer, p[0], n) != nullptr;
    Probe const first = MakeProbe(p[0], ignoreCase);
    Probe const last = MakeProbe(p[m - 1], ignoreCase);
    __m128i const firstFold = _mm_set1_epi8(first.fold);
    __m128i const firstByte = _mm_set1_epi8(first.byte);
    __m128i const lastFold = _mm_set1_epi8(last.fold);
    __m128i const lastByte = _mm_set1_epi8(last.byte);
    unsigned const places = n - m + 1;
    unsigned at = 0;
    for (; at + 16 <= places; at += 16) {
        __m128i const a = _mm_loadu_si128(reinterpret_cast<__m128i const*>(buffer + at));
        __m128i const b =
            _mm_loadu_si128(reinterpret_cast<__m128i const*>(buffer + at + m - 1));
        __m128i const hits =
            _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstFold), firstByte),
                          _mm_cmpeq_epi8(_mm_or_si128(b, lastFold), lastByte));
        for (unsigned mask = unsigned(_mm_movemask_epi8(hits)); mask; mask &= mask - 1) {
            if (isSame(buffer + at + unsigned(__builtin_ctz(mask)), p, m, ignoreCase))
                return true;
        }
    }
    for (; at < places; ++at) {
        if (char(buffer[at] | first.fold) == first.byte &&
            char(buffer[at + m - 1] | last.fold) == last.byte &&
            isSame(buffer + at, p, m, ignoreCase))
            return true;
    }
    return false;
}
