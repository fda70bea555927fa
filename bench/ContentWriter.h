// ContentWriter: the bytes of one generated file, written to an open handle
// in blocks: prose-like text of common words (mixed capitals, numbers,
// punctuation, CR LF lines) or binary data (random words with runs of
// zeros). The words of TreeGenerator::AbsentWords never occur.
#pragma once

#include <windows.h>

#include <vector>

class SeededRandom;

class ContentWriter
{
public:
    ContentWriter();

    // False when a write fails.
    bool Write(HANDLE file, unsigned long long size, bool text,
               SeededRandom& random);

private:
    void FillText(char* out, unsigned n, SeededRandom& random);
    void FillBinary(char* out, unsigned n, SeededRandom& random);

    std::vector<char> block_;
    bool capital_;   // the next word starts a sentence
};
