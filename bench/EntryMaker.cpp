#include "EntryMaker.h"

#include "SeededRandom.h"

#include <windows.h>

namespace {

char const* const FolderStems[] = {
    "src", "docs", "Data", "backup", "Projects", "assets", "lib", "include",
    "test", "tmp", "Music", "Photos 2019", "reports", "archive",
    "node.modules", "v2.1.3", "build.output", "My Documents", "config",
    "cache", "logs", "vendor", "third.party", "release.1.0", "drafts", "old",
    "images", "Downloads", "share", "bin",
};
char const* const FileStems[] = {
    "report", "invoice", "readme", "main", "index", "photo", "IMG", "setup",
    "notes", "budget", "data", "config", "module", "app", "backup", "letter",
    "draft", "schema", "thumb", "track", "chapter", "summary", "log",
    "export", "core", "util", "style", "Makefile", "license", "changelog",
};
char const* const Middles[] = {
    "2019", "2021", "final", "v2", "min", "old", "backup", "tar", "copy",
    "en", "us", "part1", "draft", "1", "2", "3", "rev",
};
char const* const TextExtensions[] = {
    "txt", "log", "c", "h", "cpp", "md", "csv", "xml", "html", "ini", "json",
    "py",
};
char const* const BinaryExtensions[] = {
    "bin", "dat", "jpg", "png", "zip", "gz", "exe", "dll", "pdf", "db", "mp3",
    "iso",
};

template <class T, unsigned N>
unsigned Count(T const (&)[N])
{
    return N;
}

} // namespace

std::string EntryMaker::FolderName(SeededRandom& random, unsigned number)
{
    std::string name = FolderStems[random.Below(Count(FolderStems))];
    name += '_';
    name += std::to_string(number);
    if (random.Chance(15)) {
        name += '.';
        name += Middles[random.Below(Count(Middles))];
    }
    return name;
}

std::string EntryMaker::FileName(SeededRandom& random, unsigned number,
                                 bool& text)
{
    std::string name;
    if (random.Chance(1))
        name += '.';   // hidden under wine
    name += FileStems[random.Below(Count(FileStems))];
    name += '_';
    name += std::to_string(number);
    unsigned const r = random.Below(100);
    unsigned const middles = r < 50 ? 0 : r < 80 ? 1 : r < 95 ? 2 : 3;
    for (unsigned i = 0; i < middles; ++i) {
        name += '.';
        name += Middles[random.Below(Count(Middles))];
    }
    text = true;
    if (!random.Chance(5)) {
        text = random.Chance(55);
        name += '.';
        name += text ? TextExtensions[random.Below(Count(TextExtensions))]
                     : BinaryExtensions[random.Below(Count(BinaryExtensions))];
    }
    return name;
}

unsigned long long EntryMaker::FileSize(SeededRandom& random)
{
    unsigned const kind = random.Below(1000);
    if (kind < 80)
        return 0;
    if (kind < 850)
        return random.LogUniform(16, 16 * 1024);
    if (kind < 998)
        return random.LogUniform(16 * 1024, 96 * 1024);
    return random.LogUniform(96 * 1024, 4 * 1024 * 1024);
}

unsigned long long EntryMaker::Date(SeededRandom& random)
{
    static unsigned long long const oldest = Ticks(1995, 1, 1);
    static unsigned long long const newest = Ticks(2024, 6, 30);
    return oldest + (unsigned long long)(random.Unit() * double(newest - oldest));
}

unsigned long long EntryMaker::Ticks(unsigned short year, unsigned short month,
                                     unsigned short day)
{
    SYSTEMTIME st = {};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    return (unsigned long long)ft.dwHighDateTime << 32 | ft.dwLowDateTime;
}
