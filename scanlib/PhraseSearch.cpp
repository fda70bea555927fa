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

unsigned char PhraseSearch::Other(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - ('a' - 'A'));
    return static_cast<unsigned char>(DName::Lower(static_cast<char>(c)));
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

// A Horspool scan: the byte under the phrase's last place tells how far the
// phrase can move on, so most bytes of a buffer are never looked at. With
// capitals ignored both cases of a letter move alike.
bool PhraseSearch::isIn(char const* buffer, unsigned n, DName const& phrase,
                        bool ignoreCase)
{
    unsigned const m = phrase.Size();
    if (m == 0)
        return n > 0;
    if (m > n)
        return false;
    unsigned char const* const p = reinterpret_cast<unsigned char const*>(&phrase);
    unsigned char const* const b = reinterpret_cast<unsigned char const*>(buffer);
    if (m == 1 && !ignoreCase)
        return std::memchr(b, p[0], n) != nullptr;
    unsigned shift[256];
    for (unsigned& s : shift)
        s = m;
    for (unsigned i = 0; i + 1 < m; ++i) {
        shift[p[i]] = m - 1 - i;
        if (ignoreCase)
            shift[Other(p[i])] = m - 1 - i;
    }
    unsigned char const last = p[m - 1];
    unsigned char const lastOther = ignoreCase ? Other(last) : last;
    char const* const rest = reinterpret_cast<char const*>(p);
    for (unsigned at = 0; at <= n - m;) {
        unsigned char const c = b[at + m - 1];
        if ((c == last || c == lastOther) && isSame(buffer + at, rest, m - 1, ignoreCase))
            return true;
        at += shift[c];
    }
    return false;
}
