#include "TextExport.h"

#include <cstdio>

#include "DName.h"

TextExport::TextExport(FileOper& f) : out_(f)
{
}

bool TextExport::Head(unsigned count)
{
    char head[32];
    snprintf(head, sizeof head, "Total Files: %u", count);
    return out_.PutLine(head) && out_.PutLine("");
}

bool TextExport::Line(DName const& line)
{
    return out_.PutLine(line.Name());
}

bool TextExport::Finish()
{
    return out_.Flush();
}
