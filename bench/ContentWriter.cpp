#include "ContentWriter.h"

#include "SeededRandom.h"

#include <cstdio>
#include <cstring>

namespace {

unsigned const BlockSize = 64 * 1024;

// Prose and a little code. None of them holds an absent word, so no phrase
// of absent words can arise across a word border either.
char const* const Vocabulary[] = {
    "the", "of", "and", "to", "in", "is", "that", "for", "it", "as", "was",
    "with", "be", "by", "on", "not", "he", "this", "are", "or", "his", "from",
    "at", "which", "but", "have", "an", "had", "they", "you", "were", "their",
    "one", "all", "we", "can", "her", "has", "there", "been", "if", "more",
    "when", "will", "would", "who", "so", "no", "data", "value", "table",
    "index", "error", "code", "file", "folder", "search", "result", "system",
    "report", "invoice", "total", "amount", "customer", "order", "number",
    "date", "time", "year", "month", "first", "last", "new", "old", "page",
    "line", "text", "name", "size", "list", "item", "count", "state", "level",
    "return", "const", "int", "char", "void", "struct", "include", "define",
    "while", "else", "break", "true", "false", "null", "static", "unsigned",
    "buffer", "length", "offset", "pointer", "string", "memory", "thread",
    "window", "message", "button", "dialog", "control", "option", "setting",
    "network", "server", "client", "request", "response", "status", "update",
    "version", "release", "build", "test", "check", "format", "output",
    "input", "summary", "meeting", "project", "budget", "quarter", "sales",
    "market", "product", "service", "support", "account", "balance", "credit",
    "payment", "address", "street", "city", "country", "phone", "email",
    "chapter", "section", "figure", "example", "note", "question", "answer",
    "history", "science", "water", "light", "house", "world", "people",
    "family", "school", "student", "teacher", "morning", "evening", "river",
    "mountain", "garden", "harbour", "kitchen", "letter", "journey", "silver",
};
unsigned const VocabularySize = sizeof Vocabulary / sizeof Vocabulary[0];

} // namespace

ContentWriter::ContentWriter() : block_(BlockSize), capital_(true)
{
}

bool ContentWriter::Write(HANDLE file, unsigned long long size, bool text,
                          SeededRandom& random)
{
    capital_ = true;
    while (size) {
        unsigned const n = size < BlockSize ? unsigned(size) : BlockSize;
        if (text)
            FillText(block_.data(), n, random);
        else
            FillBinary(block_.data(), n, random);
        DWORD written = 0;
        if (!WriteFile(file, block_.data(), n, &written, nullptr) || written != n)
            return false;
        size -= n;
    }
    return true;
}

void ContentWriter::FillText(char* out, unsigned n, SeededRandom& random)
{
    unsigned pos = 0;
    char word[32];
    while (pos < n) {
        unsigned len;
        unsigned const kind = random.Below(100);
        if (kind < 5) {
            len = unsigned(std::snprintf(word, sizeof word, "%u",
                                         random.Below(100000)));
        } else {
            char const* w = Vocabulary[random.Below(VocabularySize)];
            len = unsigned(std::strlen(w));
            std::memcpy(word, w, len);
            if (kind < 8) {
                for (unsigned i = 0; i < len; ++i)
                    word[i] = char(word[i] - 'a' + 'A');
            } else if (capital_) {
                word[0] = char(word[0] - 'a' + 'A');
            }
        }
        capital_ = false;
        // The separator: mostly a blank, sometimes punctuation or a line end.
        unsigned const sep = random.Below(100);
        char const* tail = " ";
        if (sep < 6) {
            tail = ". ";
            capital_ = true;
        } else if (sep < 12) {
            tail = ", ";
        } else if (sep < 16) {
            tail = "\r\n";
        }
        unsigned const tlen = unsigned(std::strlen(tail));
        std::memcpy(word + len, tail, tlen);
        len += tlen;
        if (len > n - pos)
            len = n - pos;
        std::memcpy(out + pos, word, len);
        pos += len;
    }
}

void ContentWriter::FillBinary(char* out, unsigned n, SeededRandom& random)
{
    // Blocks of 256 bytes: a fifth of them zeros, as in executables and
    // databases, the rest random.
    for (unsigned pos = 0; pos < n; pos += 256) {
        unsigned const len = n - pos < 256 ? n - pos : 256;
        if (random.Chance(20)) {
            std::memset(out + pos, 0, len);
            continue;
        }
        for (unsigned i = 0; i < len; i += 8) {
            unsigned long long const v = random.Next();
            unsigned const k = len - i < 8 ? len - i : 8;
            std::memcpy(out + pos + i, &v, k);
        }
    }
}
