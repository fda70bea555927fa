// EngineCases: the engine's side of each figure, timed like the baselines
// (seconds, or a negative number when the case failed). Work that a figure
// does not measure (copying the list before a sort, emptying it after a
// walk) stays outside the clock.
#pragma once

#include <string>

class DFileLoad;
class DirectoryListingSpec;

class EngineCases
{
public:
    // One LoadAllDirListings with sub-folders into an empty list.
    static double Walk(DirectoryListingSpec const& criteria, unsigned& searched,
                       unsigned& matches);

    // The engine's directory iterator alone over the tree, breadth-first:
    // listing and building each entry's record, no test, no list.
    static double Iterate(std::string const& root, unsigned& entries);

    // Sorts a copy of source by the column bit into scratch (ascending),
    // then checks the order on a sample of neighbours.
    static double Sort(DFileLoad const& source, DFileLoad& scratch,
                       unsigned column, bool& ordered);

    // The stored-results file as the store command writes it: the magic,
    // then the list body. bytes: the size of the file made.
    static double Store(DFileLoad const& list, std::string const& path,
                        unsigned long long& bytes);
    // Reads it back into list (emptied first, outside the clock).
    static double Restore(DFileLoad& list, std::string const& path);
    // The stored body scanned to its end for a path it does not hold
    // (ReadFind): every record parsed and unscrambled, no list built.
    static double Scan(std::string const& path);

    // Seconds spent in the export's parts.
    struct ExportParts
    {
        double measure;   // Format(0), which measures the whole list
        double format;    // Format of the other positions
        double write;     // the head line and the lines
    };

    // The text report as the export command writes it; parts, when given,
    // gets the time of each part (timing them costs a little).
    static double Export(DFileLoad& list, std::string const& path,
                         ExportParts* parts = nullptr);
};
