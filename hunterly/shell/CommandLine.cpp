#include "CommandLine.h"

#include "DFile.h"
#include "DirectoryListingSpec.h"
#include "StoredFormats.h"

CommandLine::CommandLine(DName const& line)
{
    unsigned const length = line.Size();
    unsigned at = 0;
    while (at < length) {
        if (line[at] == ' ') {
            ++at;
            continue;
        }
        bool const quoted = line[at] == '"';
        unsigned const start = quoted ? at + 1 : at;
        unsigned end = start;
        while (end < length && line[end] != (quoted ? '"' : ' '))
            ++end;
        DName word;
        word.Namen(line.Name() + start, end - start);
        // A closing quote is passed over; an opening one without it runs
        // to the end of the line.
        at = quoted ? end + 1 : end;
        if (!word.isEmpty())
            words.InsertRight(word);
    }
}

unsigned CommandLine::GetCount() const
{
    return words.Size();
}

DName CommandLine::GetWord(unsigned index) const
{
    DName const* word = words(index);
    return word ? *word : DName();
}

bool CommandLine::isLoadable() const
{
    if (words.Size() < 2)
        return false;
    for (DName const* word = words[0].next; word; word = word->next)
        if (StoredFormats::GetKind(*word) == StoredFormats::Other)
            return false;
    return true;
}

void CommandLine::AddOnce(Container<DName>& list, DName const& entry)
{
    if (entry.isEmpty())
        return;
    for (DName const* present = list.First(); present; present = present->next)
        if (*present == entry)
            return;
    list.InsertRight(entry);
}

unsigned CommandLine::MakeSearch(DirectoryListingSpec& criteria) const
{
    criteria.Destroy();
    unsigned seen = 0;
    if (words.isEmpty())
        return seen;
    for (DName const* word = words[0].next; word; word = word->next) {
        DFile entry;
        if (!entry.FromPath(*word) || entry.isDir()) {
            AddOnce(criteria.folders, *word);
            seen |= SeenFolders;
            continue;
        }
        DName folder;
        DName name;
        SplitPath(*word, folder, name);
        AddOnce(criteria.folders, folder);
        AddOnce(criteria.names, name);
        seen |= SeenFiles;
    }
    return seen;
}

DName CommandLine::SearchText(unsigned seen)
{
    char const* prefix = "File(s)";
    if (seen == (SeenFiles | SeenFolders))
        prefix = "File(s) and folder(s)";
    else if (seen == SeenFolders)
        prefix = "Folder(s)";
    return DName(prefix) + " have been detected and mandated as a new search.";
}

void CommandLine::SplitPath(DName const& path, DName& folder, DName& name)
{
    folder = path;
    name.Destroy();
    if (!folder.RemFilename(name)) {
        name = path;
        folder.Destroy();
        return;
    }
    // "C:" alone names the drive's current folder, not its root.
    if (folder.Right() == ':')
        folder += '\\';
}
