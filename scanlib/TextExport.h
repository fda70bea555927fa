// TextExport: the results text report, written through a FileOper in
// blocks: the head line with the count of results, then one line per result
// as DFileLoad::Format gives it. A million lines cost a few thousand writes
// instead of two for every line.
#pragma once

#include "RecordBuffer.h"
#include "ScanlibApi.h"

class DName;
class FileOper;

class SCANLIB_API TextExport
{
public:
    explicit TextExport(FileOper& f);

    // "Total Files: " and the count, CR LF, then an empty line.
    bool Head(unsigned count);
    // The line up to any NUL in it, then CR LF.
    bool Line(DName const& line);
    // Writes what is held; false when this or an earlier write failed.
    bool Finish();

private:
    RecordBuffer out_;
};
