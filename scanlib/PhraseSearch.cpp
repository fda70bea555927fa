#include "PhraseSearch.h"

#include <cstring>

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

bool PhraseSearch::isIn(char const* buffer, unsigned n, DName const& phrase,
                        bool ignoreCase)
{
    unsigned const m = phrase.Size();
    if (m == 0)
        return n > 0;
    if (m > n)
        return false;
    char const* const p = &phrase;
    char const* const last = buffer + (n - m);
    // The first byte is found with memchr, in both cases when they differ;
    // only there is the rest compared.
    char const first = DName::Lower(p[0]);
    char const other = ignoreCase && first >= 'a' && first <= 'z'
                           ? char(first - ('a' - 'A'))
                           : p[0];
    char const one = ignoreCase ? first : p[0];
    auto next = [last](char const* from, char c) {
        return from > last ? nullptr
                           : static_cast<char const*>(std::memchr(
                                 from, c, size_t(last - from) + 1));
    };
    char const* a = next(buffer, one);
    char const* b = other == one ? nullptr : next(buffer, other);
    while (a || b) {
        char const* const at = !b || (a && a < b) ? a : b;
        if (isSame(at + 1, p + 1, m - 1, ignoreCase))
            return true;
        if (at == a)
            a = next(at + 1, one);
        else
            b = next(at + 1, other);
    }
    return false;
}
