// DFileLoad: the content test: a file read in overlapping buffers and searched for the
// phrases.

#include "DFileLoad.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "FileOper.h"
#include "Link.h"
#include "PhraseSearch.h"

namespace {


// Content test buffers.
unsigned const DefaultReadSize = 12800;
unsigned const LargestRead = 65534;

}  // namespace

// The content test

// Reads the file in buffers that overlap by the longest phrase, so that a
// phrase across two buffers is met whole. The overlap is kept in memory
// rather than read again. A file that cannot be opened or read, and a stop,
// fail the test whatever the not-containing flag says. A folder cannot be
// opened as a file: it fails without the attempt.
bool DFileLoad::isContentSpec(DirectoryListingSpec const& spec,
                              DFile const& entry) const
{
    FileOper file;
    if (entry.isDir() || !file.Open(entry.GetFullPath().Name(), false, false))
        return false;
    unsigned longest = 0;
    for (DName const* p = phrases_.First(); p; p = p->next)
        longest = std::max(longest, p->Size());
    // The buffer is longer than the longest phrase, so every read moves on.
    unsigned const size = std::min(
        std::max(spec.readSize ? spec.readSize : DefaultReadSize, longest + 1),
        LargestRead);
    unsigned const overlap = std::min(longest, size - 1);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size + 1]);
    Link<bool> flags;
    if (!buffer || !flags.Fill(phrases_.Size(), false))
        return false;
    unsigned held = 0;
    while (file.GetTotalReadSize() < file.GetLength()) {
        if (isStopping())
            return false;
        if (held > overlap) {
            std::memmove(buffer.get(), buffer.get() + held - overlap, overlap);
            held = overlap;
        }
        if (!file.Read(buffer.get() + held, size - held, false))
            return false;
        held += unsigned(file.GetReadSize());
        if (FindContaining(buffer.get(), held, spec, flags))
            return !spec.notContaining;
    }
    return spec.notContaining;
}

// The result is that of trying every phrase at every position; each phrase
// is looked for on its own with a fast scan instead.
bool DFileLoad::FindContaining(char const* buffer, unsigned n,
                               DirectoryListingSpec const& spec,
                               Link<bool>& flags) const
{
    if (!buffer || n == 0 || flags.Size() != phrases_.Size())
        return false;
    bool const ignoreCase = spec.containingMode & PhraseSearch::IgnoreCase;
    bool const any = spec.containingMode &
                     (PhraseSearch::WholeText | PhraseSearch::AnyPhrase);
    bool all = true;
    unsigned k = 0;
    for (DName const* p = phrases_.First(); p; p = p->next, ++k) {
        if (!any && flags[k])
            continue;
        if (PhraseSearch::isIn(buffer, n, *p, ignoreCase)) {
            if (any)
                return true;
            flags.Set(k, true);
        } else {
            all = false;
        }
    }
    return !any && all;
}
