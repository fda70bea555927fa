#include "Benchmark.h"

#include "Baselines.h"
#include "DrawCases.h"
#include "EngineCases.h"
#include "LiveCases.h"
#include "EntryMaker.h"
#include "MemoryProbe.h"
#include "SeededRandom.h"
#include "Stopwatch.h"
#include "SyntheticResults.h"
#include "TreeGenerator.h"

#include "DFileLoad.h"
#include "DName.h"
#include "DirectoryListingSpec.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Detail(char const* subject, double s, char const* baseline, double b)
{
    return std::string(subject) + " " + Report::Seconds(s) + ", " + baseline +
           " " + Report::Seconds(b);
}

std::string Phrase(char const* const* words, unsigned n)
{
    std::string text;
    for (unsigned i = 0; i < n; ++i) {
        if (i)
            text += ' ';
        text += words[i];
    }
    return text;
}

} // namespace

Benchmark::Benchmark(BenchOptions const& options)
    : options_(options),
      sampler_(options.runs, options.warmups, options.verbose),
      failed_(false)
{
}

std::string Benchmark::Scratch(char const* name) const
{
    return options_.dir + '\\' + name;
}

int Benchmark::Run()
{
    Machine();
    CreateDirectoryA(options_.dir.c_str(), nullptr);

    bool const walks = options_.Wants("walk");
    bool const contents = options_.Wants("content");
    if (walks || contents) {
        TreeGenerator large(options_.dir, options_.largeTree, options_.seed);
        TreeGenerator small(options_.dir, options_.smallTree, options_.seed);
        if (Trees(large, small)) {
            if (walks)
                Walks(large, small);
            if (contents)
                Contents(small);
        } else {
            failed_ = true;
        }
    }
    if (options_.Wants("sort") || options_.Wants("store"))
        Lists();
    if (options_.Wants("memory"))
        Memory();
    // 1,000,000 results against 10,000 (a tenth with --quick).
    if (options_.Wants("draw"))
        DrawCases::Figure(sampler_, report_, options_.seed, options_.results,
                          options_.results / 100);
    if (options_.Wants("live")) {
        TreeGenerator large(options_.dir, options_.largeTree, options_.seed);
        if (large.Prepare())
            LiveCases::Figure(sampler_, report_, large.Folder(), large.Entries());
        else
            failed_ = true;
    }

    report_.Summary();
    return failed_ ? 1 : 0;
}

void Benchmark::Machine()
{
    SYSTEM_INFO si;
    GetNativeSystemInfo(&si);
    typedef char const*(CDECL * VersionFn)();
    HMODULE const ntdll = GetModuleHandleA("ntdll.dll");
    VersionFn const wineVersion =
        ntdll ? (VersionFn)(void*)GetProcAddress(ntdll, "wine_get_version")
              : nullptr;
    std::printf("Hunterly benchmark: %s scale, %u timed runs per case after "
                "%u warm-up, medians\n",
                options_.quick ? "quick (a tenth)" : "full", sampler_.Runs(),
                options_.warmups);
    std::printf("machine: %lu processors, %s, %s build\n",
                si.dwNumberOfProcessors,
                wineVersion ? (std::string("wine ") + wineVersion()).c_str()
                            : "Windows",
                sizeof(void*) == 8 ? "x86_64" : "i686");
    std::printf("%-64s %9s  %-12s %-7s %s\n", "figure", "median", "target",
                "", "medians of the two sides");
    std::fflush(stdout);
}

bool Benchmark::Trees(TreeGenerator& large, TreeGenerator& small)
{
    report_.Heading("trees");
    for (TreeGenerator* tree : {&small, &large}) {
        Stopwatch clock;
        if (!tree->Prepare()) {
            report_.Info("could not prepare %s", tree->Folder().c_str());
            return false;
        }
        report_.Info("%s: %s entries (%s folders, %s files), %llu MiB, %s",
                     tree->Folder().c_str(), Report::Number(tree->Entries()).c_str(),
                     Report::Number(tree->Folders()).c_str(),
                     Report::Number(tree->Files()).c_str(), tree->Bytes() >> 20,
                     tree->Reused()
                         ? "reused"
                         : ("made in " + Report::Seconds(clock.Seconds())).c_str());
    }
    return true;
}

void Benchmark::Walks(TreeGenerator const& large, TreeGenerator const& small)
{
    report_.Heading("walk");
    DirectoryListingSpec everything(DName("*.*"),
                                    DName(large.Folder().c_str()));

    // Every test on, each passing every entry, so that every entry goes
    // through all of them and ends in the list as with "*.*".
    Container<DName> names;
    for (char const* n : {"*.tmp", "*.bak", "*.old", "*_*"})
        names.InsertRight(DName(n));
    Container<DName> folders;
    folders.InsertRight(DName(large.Folder().c_str()));
    DirectoryListingSpec criteria(names, folders);
    criteria.sizeMode = DirectoryListingSpec::PassEqual |
                        DirectoryListingSpec::PassGreater;
    criteria.sizeValue = 0;
    criteria.attributeMode = DirectoryListingSpec::AttributeAny |
                             DirectoryListingSpec::AttributeNot;
    criteria.attributeMask = FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;
    unsigned long long const t1986 = EntryMaker::Ticks(1986, 1, 1);
    FILETIME reference;
    reference.dwLowDateTime = DWORD(t1986);
    reference.dwHighDateTime = DWORD(t1986 >> 32);
    criteria.createdMode = criteria.accessedMode = criteria.writtenMode =
        DirectoryListingSpec::PassEqual | DirectoryListingSpec::PassGreater;
    criteria.created = criteria.accessed = criteria.written = reference;

    unsigned bareEntries = 0, searched = 0, matches = 0;
    auto bare = [&](TreeGenerator const& tree) {
        double const t = Baselines::BareWalk(tree.Folder(), bareEntries);
        return bareEntries == tree.Entries() ? t : -1;
    };
    auto engine = [&](DirectoryListingSpec const& criteria, unsigned entries,
                      unsigned expectedMatches) {
        double const t = EngineCases::Walk(criteria, searched, matches);
        if (t >= 0 && (searched != entries || matches != expectedMatches)) {
            report_.Info("walk met %u entries and %u matches, expected %u and %u",
                         searched, matches, entries, expectedMatches);
            return -1.0;
        }
        return t;
    };

    std::string const n = Report::Number(large.Entries());
    auto walkFigure = [&](std::string const& figure, DirectoryListingSpec const& search,
                          double target) {
        Sampler::Paired const r = sampler_.Pair(
            [&] { return engine(search, large.Entries(), large.Entries()); },
            [&] { return bare(large); });
        if (r.ok)
            report_.AtMost(figure.c_str(), r.ratio, target,
                           Detail("engine", r.subject, "bare", r.baseline));
        else
            report_.Missing(figure.c_str(), "the walk failed");
    };
    walkFigure("walk " + n + " entries, \"*.*\", sub-folders / bare walk", everything, 1.15);
    walkFigure("walk " + n + " entries, names+size+attributes+dates / bare walk", criteria, 1.30);

    // Where the time goes: the engine's directory iterator alone.
    unsigned iterated = 0;
    Sampler::Paired const iterate = sampler_.Pair(
        [&] { return EngineCases::Iterate(large.Folder(), iterated); },
        [&] { return bare(large); });
    if (iterate.ok)
        report_.Info("engine's directory iterator alone, no test, no list / "
                     "bare walk: %.2f (%s, %s entries)",
                     iterate.ratio, Report::Seconds(iterate.subject).c_str(),
                     Report::Number(iterated).c_str());

    // Per entry at two sizes: the two walks run back to back in every
    // round, as the ratios do, so that the machine's drift between them
    // stays out; the bare walk's own figure shows what the file system and
    // wine contribute.
    DirectoryListingSpec smallSpec(DName("*.*"), DName(small.Folder().c_str()));
    double const scale = double(small.Entries()) / large.Entries();
    std::string const figure = "time per entry, " + n + " / " + Report::Number(small.Entries()) +
             " entries (engine walk)";
    Sampler::Paired const engineScale = sampler_.Pair(
        [&] { return engine(everything, large.Entries(), large.Entries()); },
        [&] { return engine(smallSpec, small.Entries(), small.Entries()); });
    Sampler::Paired const bareScale = sampler_.Pair(
        [&] { return bare(large); }, [&] { return bare(small); });
    if (engineScale.ok && bareScale.ok) {
        char detail[160];
        std::snprintf(detail, sizeof detail,
                      "engine %.1f / %.1f us per entry; bare walk %.2f "
                      "(%.1f / %.1f us)",
                      engineScale.subject / large.Entries() * 1e6,
                      engineScale.baseline / small.Entries() * 1e6,
                      bareScale.ratio * scale,
                      bareScale.subject / large.Entries() * 1e6,
                      bareScale.baseline / small.Entries() * 1e6);
        report_.Within(figure.c_str(), engineScale.ratio * scale, 0.8, 1.2, detail);
    } else {
        report_.Missing(figure.c_str(), "a walk failed");
    }
    Sampler::Paired const few = sampler_.Pair(
        [&] { return engine(smallSpec, small.Entries(), small.Entries()); },
        [&] { return bare(small); });
    if (few.ok)
        report_.Info("%s entries: engine / bare walk %.2f", Report::Number(small.Entries()).c_str(),
                     few.ratio);
}

void Benchmark::Contents(TreeGenerator const& small)
{
    report_.Heading("content");
    unsigned entries = 0;
    std::vector<std::string> files;
    Baselines::BareWalk(small.Folder(), entries, &files);
    unsigned long long bytes = 0;
    auto readLoop = [&] {
        return Baselines::ReadLoop(files, options_.blockSize, bytes);
    };

    std::string const absent =
        Phrase(TreeGenerator::AbsentWords, 2);   // "Marmalade Zeppelin"
    std::string eight = Phrase(TreeGenerator::CommonWords, 4) + ' ' +
                        Phrase(TreeGenerator::AbsentWords, 4);

    struct ContentCase
    {
        char const* figure;
        std::string text;
        unsigned char mode;
        double target;
    };
    ContentCase const cases[] = {
        {"content, one phrase, case-sensitive, no match / read loop", absent, 1,
         1.25},
        {"content, one phrase, ignore capitals, no match / read loop", absent, 9,
         1.5},
        {"content, eight phrases, every phrase / read loop", eight, 4, 2.0},
    };
    double walkShare = -1;
    for (ContentCase const& c : cases) {
        DirectoryListingSpec criteria(DName("*.*"), DName(small.Folder().c_str()));
        criteria.containing = DName(c.text.c_str());
        criteria.containingMode = c.mode;
        unsigned searched = 0, matches = 0;
        Sampler::Paired const r = sampler_.Pair(
            [&] {
                double const t = EngineCases::Walk(criteria, searched, matches);
                return searched == small.Entries() && matches == 0 ? t : -1;
            },
            readLoop);
        if (r.ok)
            report_.AtMost(c.figure, r.ratio, c.target,
                           Detail("engine", r.subject, "read loop", r.baseline));
        else
            report_.Missing(c.figure, "the walk failed or found a match");
    }

    // Where the time goes: the walk alone, without reading a byte.
    DirectoryListingSpec plain(DName("*.*"), DName(small.Folder().c_str()));
    unsigned searched = 0, matches = 0;
    Sampler::Paired const w = sampler_.Pair(
        [&] { return EngineCases::Walk(plain, searched, matches); }, readLoop);
    if (w.ok)
        walkShare = w.ratio;
    report_.Info("%s files, %llu MiB read per loop; the engine's walk alone "
                 "(\"*.*\", no content test) / read loop: %.2f",
                 Report::Number(unsigned(files.size())).c_str(), bytes >> 20, walkShare);
    // A content test has to find its files first: listing the tree costs this
    // share of reading it before any byte is compared.
    unsigned listed = 0;
    Sampler::Paired const bare = sampler_.Pair(
        [&] { return Baselines::BareWalk(small.Folder(), listed); }, readLoop);
    if (bare.ok)
        report_.Info("the bare walk of the same tree / read loop: %.2f (%s)", bare.ratio,
                     Detail("bare walk", bare.subject, "read loop", bare.baseline).c_str());
    // One thread that lists and reads in turn pays for both: the engine
    // lists ahead on a second thread while it reads.
    Sampler::Paired const both = sampler_.Pair(
        [&] { return Baselines::BareWalk(small.Folder(), listed, nullptr, options_.blockSize); },
        readLoop);
    if (both.ok)
        report_.Info("the bare walk reading each file it meets / read loop: %.2f (%s)", both.ratio,
                     Detail("walk and read", both.subject, "read loop", both.baseline).c_str());
}

void Benchmark::Lists()
{
    report_.Heading("result list");
    DFileLoad list;
    SyntheticResults records(options_.seed);
    Stopwatch clock;
    if (!records.Fill(list, options_.results) || list.Size() != options_.results) {
        report_.Info("could not build %s results", Report::Number(options_.results).c_str());
        failed_ = true;
        return;
    }
    report_.Info("%s results built in %s, average path %.1f characters",
                 Report::Number(list.Size()).c_str(), Report::Seconds(clock.Seconds()).c_str(),
                 double(records.PathChars()) / list.Size());
    if (options_.Wants("sort"))
        Sorts(list);
    if (options_.Wants("store"))
        Storage(list);
}

void Benchmark::Sorts(DFileLoad const& list)
{
    unsigned const n = list.Size();
    std::vector<unsigned long long> keys(n), scratchKeys;
    SeededRandom random(options_.seed);
    for (unsigned long long& k : keys)
        k = random.Next();
    auto keySort = [&] {
        scratchKeys = keys;
        return Baselines::SortKeys(scratchKeys);
    };
    DFileLoad scratch;
    bool ordered = true;
    auto pair = [&](DFileLoad const& source, unsigned column) {
        ordered = true;
        return sampler_.Pair(
            [&, column] {
                bool ok = true;
                double const t = EngineCases::Sort(source, scratch, column, ok);
                ordered = ordered && ok;
                return t;
            },
            keySort);
    };

    struct SortCase
    {
        char const* by;
        unsigned column;
        double target;
    };
    SortCase const cases[] = {
        {"name", DFileLoad::ColumnName, 6},
        {"size", DFileLoad::ColumnSize, 2},
        {"date", DFileLoad::ColumnWritten, 2},
    };
    for (SortCase const& c : cases) {
        std::string const figure = "sort " + Report::Number(n) + " results by " + c.by +
                                   " / std::sort of 64-bit keys";
        Sampler::Paired const r = pair(list, c.column);
        if (r.ok && ordered)
            report_.AtMost(figure.c_str(), r.ratio, c.target,
                           Detail("engine", r.subject, "std::sort", r.baseline));
        else
            report_.Missing(figure.c_str(),
                            r.ok ? "the list came out unordered" : "the sort failed");
    }

    // Most records share their size with others and their paths decide among
    // them: the same sort with every size distinct leaves the paths out.
    DFileLoad distinct(list);
    for (unsigned i = 0; i < distinct.Size(); ++i)
        distinct[i].SetFileSize(i * 2654435761u, 0);    // odd factor: no two alike
    Sampler::Paired const r = pair(distinct, DFileLoad::ColumnSize);
    if (r.ok && ordered)
        report_.Info("by size with every size distinct, no path to compare: %.2f (%s)", r.ratio,
                     Detail("engine", r.subject, "std::sort", r.baseline).c_str());
}

void Benchmark::Storage(DFileLoad& list)
{
    std::string const stored = Scratch("results.hur");
    std::string const text = Scratch("results.txt");
    std::string const plain = Scratch("baseline.bin");
    unsigned long long bytes = 0;
    if (EngineCases::Store(list, stored, bytes) < 0) {
        report_.Missing("store", "the list could not be stored");
        failed_ = true;
        return;
    }
    report_.Info("stored-results file: %llu MiB", bytes >> 20);
    std::vector<char> data(bytes, '\x5a'), back(bytes);
    unsigned long long size = 0;
    std::string const n = Report::Number(list.Size());

    std::string figure = "store " + n + " results / one WriteFile of the same bytes";
    Sampler::Paired const store = sampler_.Pair(
        [&] { return EngineCases::Store(list, stored, size); },
        [&] { return Baselines::WriteOnce(plain, data); });
    if (store.ok)
        report_.AtMost(figure.c_str(), store.ratio, 2,
                       Detail("engine", store.subject, "WriteFile", store.baseline));
    else
        report_.Missing(figure.c_str(), "a write failed");

    figure = "restore " + n + " results / one ReadFile of the same bytes";
    DFileLoad restored;
    Sampler::Paired const restore = sampler_.Pair(
        [&] {
            double const t = EngineCases::Restore(restored, stored);
            return restored.Size() == list.Size() ? t : -1;
        },
        [&] { return Baselines::ReadOnce(plain, back); });
    restored.Destroy();
    if (restore.ok)
        report_.AtMost(figure.c_str(), restore.ratio, 3,
                       Detail("engine", restore.subject, "ReadFile", restore.baseline));
    else
        report_.Missing(figure.c_str(), "a read failed");

    figure = "text export of " + n + " results / store";
    Sampler::Paired const exported = sampler_.Pair(
        [&] { return EngineCases::Export(list, text); },
        [&] { return EngineCases::Store(list, stored, size); });
    if (exported.ok)
        report_.AtMost(figure.c_str(), exported.ratio, 2,
                       Detail("export", exported.subject, "store", exported.baseline));
    else
        report_.Missing(figure.c_str(), "a write failed");

    // Where the time goes, one run each: the stored body parsed and
    // unscrambled without building a list; the export's three parts.
    Sampler const once(1, 0);
    double const scan = once.Single([&] { return EngineCases::Scan(stored); });
    EngineCases::ExportParts parts = {0, 0, 0};
    once.Single([&] { return EngineCases::Export(list, text, &parts); });
    report_.Info("restore: ReadFind through the whole body (parse and unscramble, "
                 "no list): %s",
                 Report::Seconds(scan).c_str());
    report_.Info("export: Format(0) measuring the columns %s, Format of every "
                 "line %s, writing the lines %s",
                 Report::Seconds(parts.measure).c_str(),
                 Report::Seconds(parts.format).c_str(),
                 Report::Seconds(parts.write).c_str());

    DeleteFileA(stored.c_str());
    DeleteFileA(text.c_str());
    DeleteFileA(plain.c_str());
}

void Benchmark::Memory()
{
    report_.Heading("memory");
    char const* figure = "memory per stored result (peak working set / results)";
    MemoryProbe::Figures f;
    if (!MemoryProbe::Measure(options_.results, options_.seed, f) || !f.results) {
        report_.Missing(figure, "the measuring process failed");
        failed_ = true;
        return;
    }
    double const path = double(f.pathChars) / f.results;
    double const perResult = double(f.peak) / f.results;
    char detail[200];
    std::snprintf(detail, sizeof detail,
                  "%s results, average path %.1f; peak %llu MiB, %llu MiB "
                  "before the list (%.0f B per result without it)",
                  Report::Number(unsigned(f.results)).c_str(), path, f.peak >> 20,
                  f.before >> 20, double(f.peak - f.before) / f.results);
    report_.BytesAtMost(figure, perResult, 2 * (path + 64), detail);
}

