#include "EngineCases.h"

#include "SeededRandom.h"
#include "Stopwatch.h"

#include "DFile.h"
#include "DFileLoad.h"
#include "DName.h"
#include "DirectoryListingSpec.h"
#include "FileOper.h"
#include "StoredFormats.h"
#include "TextExport.h"

#include <windows.h>

#include <deque>

double EngineCases::Walk(DirectoryListingSpec const& criteria, unsigned& searched,
                         unsigned& matches)
{
    DFileLoad engine;
    DName const saved = engine.GetDir();
    Stopwatch clock;
    bool const ok = engine.LoadAllDirListings(criteria, true);
    double const t = clock.Seconds();
    engine.ChangeDir(saved);
    searched = engine.GetTotalSearched();
    matches = engine.GetTotalMatches();
    return ok ? t : -1;
}

double EngineCases::Iterate(std::string const& root, unsigned& entries)
{
    DFileLoad engine;
    DirectoryListingSpec const criteria(DName("*.*"), DName(root.c_str()));
    std::deque<DName> queue(1, DName(root.c_str()));
    entries = 0;
    DName const saved = engine.GetDir();
    Stopwatch clock;
    while (!queue.empty()) {
        for (bool listed = engine.OpenDirListing(criteria, queue.front(), 0); listed;
             listed = engine.NextDirListing()) {
            ++entries;
            DFile const& entry = engine.GetFoundFile();
            if (entry.isDir())
                queue.push_back(entry.GetFullPath());
        }
        engine.CloseDirListing();
        queue.pop_front();
    }
    double const t = clock.Seconds();
    engine.ChangeDir(saved);
    return t;
}

double EngineCases::Sort(DFileLoad const& source, DFileLoad& scratch,
                         unsigned column, bool& ordered)
{
    scratch.Destroy();
    scratch = source;
    if (scratch.Size() != source.Size())
        return -1;
    Stopwatch clock;
    bool const sorted = scratch.SortAlpha(column, false);
    double const t = clock.Seconds();

    // No record may come after its successor; a sample of neighbours is
    // enough to catch a sort that did not happen.
    ordered = true;
    unsigned const n = scratch.Size();
    SeededRandom random(n);
    for (unsigned k = 0; n > 1 && k < 10000; ++k) {
        unsigned const i = random.Below(n - 1);
        if (scratch.CompareColumn(i, scratch[i + 1], column)) {
            ordered = false;
            break;
        }
    }
    return sorted ? t : -1;
}

double EngineCases::Store(DFileLoad const& list, std::string const& path,
                          unsigned long long& bytes)
{
    DeleteFileA(path.c_str());
    Stopwatch clock;
    FileOper file;
    unsigned long const magic = StoredFormats::StoredResultsMagic;
    bool ok = file.Create(path.c_str());
    ok = ok && file.Write(&magic, 4);
    ok = ok && list.Write(file);
    ok = file.Close() && ok;
    double const t = clock.Seconds();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    bytes = (unsigned long long)data.nFileSizeHigh << 32 | data.nFileSizeLow;
    return ok ? t : -1;
}

double EngineCases::Restore(DFileLoad& list, std::string const& path)
{
    list.Destroy();
    Stopwatch clock;
    FileOper file;
    unsigned magic = 0;
    bool ok = file.Open(path.c_str(), false, false);
    ok = ok && file.Read(&magic, 4, true) && magic == StoredFormats::StoredResultsMagic;
    ok = ok && list.Read(file);
    file.Close();
    return ok ? clock.Seconds() : -1;
}

double EngineCases::Scan(std::string const& path)
{
    DFileLoad engine;
    DFile record;
    Stopwatch clock;
    FileOper file;
    unsigned magic = 0;
    bool ok = file.Open(path.c_str(), false, false);
    ok = ok && file.Read(&magic, 4, true) && magic == StoredFormats::StoredResultsMagic;
    // Not found: the whole body was read.
    ok = ok && !engine.ReadFind(file, DName("?:\\no such path"), record);
    file.Close();
    return ok ? clock.Seconds() : -1;
}

double EngineCases::Export(DFileLoad& list, std::string const& path,
                           ExportParts* parts)
{
    DeleteFileA(path.c_str());
    Stopwatch clock;
    Stopwatch part;
    double measure = 0, format = 0, write = 0;
    FileOper file;
    bool ok = file.Create(path.c_str());
    {
        TextExport text(file);
        ok = ok && text.Head(list.Size());
        unsigned const n = list.Size();
        for (unsigned i = 0; ok && i < n; ++i) {
            if (parts)
                part.Restart();
            DName const line = list.Format(i);
            if (parts) {
                (i ? format : measure) += part.Seconds();
                part.Restart();
            }
            ok = text.Line(line);
            if (parts)
                write += part.Seconds();
        }
        if (parts)
            part.Restart();
        ok = text.Finish() && ok;
        if (parts)
            write += part.Seconds();
    }
    ok = file.Close() && ok;
    double const t = clock.Seconds();
    if (parts) {
        parts->measure = measure;
        parts->format = format;
        parts->write = write;
    }
    return ok ? t : -1;
}
