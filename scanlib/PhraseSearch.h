// PhraseSearch: the phrases of a content test, cut from the criteria's
// containing text once per walk, and the search for one phrase in a buffer.
#pragma once

#include "Container.h"
#include "DName.h"
#include "ScanlibApi.h"

class SCANLIB_API PhraseSearch
{
public:
    // Containing mode bits.
    enum
    {
        WholeText = 1,
        AnyPhrase = 2,
        EveryPhrase = 4,
        IgnoreCase = 8,
    };

    // Replaces phrases by those of text for mode, which may change: in the
    // phrase modes the text is cut at blanks and double quotes; when that
    // leaves fewer than two phrases the mode becomes the whole-text one,
    // searching the single phrase cut, or the whole text when none was cut.
    // An empty text turns the test off (mode 0). False when memory runs out.
    static bool Prepare(DName const& text, unsigned char& mode,
                        Container<DName>& phrases);

    // True when phrase occurs in the n bytes at buffer, with ASCII letters
    // folded when ignoreCase is set. An empty phrase occurs in every buffer
    // of one byte or more.
    static bool isIn(char const* buffer, unsigned n, DName const& phrase,
                     bool ignoreCase);

private:
    static bool Cut(DName const& text, Container<DName>& phrases);
    static bool isSame(char const* a, char const* b, unsigned n,
                       bool ignoreCase);
    // A byte of a phrase as the scan compares it: a byte of the buffer is
    // ORed with fold, then compared with byte.
    struct Probe
    {
        char fold;
        char byte;
    };
    static Probe MakeProbe(char c, bool ignoreCase);
};
