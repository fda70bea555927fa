// AnalysisDialog: the analysis table. Counts, shares and sizes of the
// entries a walk met and matched, read from the totals of a result list:
// that of the last search, or the summary page's own after a full
// analysis, which adds a row per attribute of the matches.
#pragma once

#include "DDialog.h"
#include "DListControl.h"

class DFileLoad;

class AnalysisDialog : public DDialog
{
public:
    static char const* const Template;
    static int const ColumnWidth = 75;

    // The list must outlast the dialog; its totals are read once, as the
    // table is made.
    AnalysisDialog(DFileLoad const& totals, bool showAttributes);

protected:
    bool OnInit() override;

private:
    struct Total
    {
        char const* label;
        unsigned count;
        unsigned long long size;
    };

    // share is the row's percentage per entry counted.
    void AddRow(Total const& row, float share);
    void AddSpacer(char const* first, char const* rest);

    DFileLoad const& totals;
    bool showAttributes;
    DListControl list;
};
