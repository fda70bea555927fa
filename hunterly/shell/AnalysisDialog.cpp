#include "AnalysisDialog.h"

#include "AnalysisDialogIds.h"
#include "DFileLoad.h"

namespace {

char const* const Titles[] = {"Type", "# of Files", "Overall %", "Size in Bytes"};

// The percentage that one entry of total makes; 0 for no entries at all.
float Share(unsigned total)
{
    return total ? 100.0f / static_cast<float>(total) : 0.0f;
}

}

char const* const AnalysisDialog::Template = "Analysis";

AnalysisDialog::AnalysisDialog(DFileLoad const& list, bool attributes)
    : DDialog(Template), totals(list), showAttributes(attributes)
{
}

bool AnalysisDialog::OnInit()
{
    list.SetParent(GetWnd(), IDC_ANALYSISLIST);
    for (unsigned i = 0; i < sizeof Titles / sizeof *Titles; ++i)
        list.InsertColumn(Titles[i], i, ColumnWidth);
    list.SetAutoAdjust(true);

    float const perSearched = Share(totals.GetTotalSearched());
    Total const walked[] = {
        {" Searched", totals.GetTotalSearched(), totals.GetTotalSearchedSize()},
        {" Files", totals.GetTotalSearchFiles(), totals.GetTotalSearchedSize()},
        {" Folders", totals.GetTotalSearchDirs(), totals.GetTotalSearchDirectorySize()},
    };
    for (Total const& row : walked)
        AddRow(row, perSearched);
    AddSpacer("  ", "  ");
    AddRow({" Matches", totals.GetTotalMatches(), totals.GetTotalMatchesSize()}, perSearched);
    AddSpacer("  ", " ");
    if (!showAttributes)
        return true;

    float const perMatch = Share(totals.GetTotalMatches());
    Total const attributes[] = {
        {"   Archive", totals.GetTotalSearchArchive(), totals.GetTotalSearchArchiveSize()},
        {"   Compressed", totals.GetTotalSearchCompressed(),
         totals.GetTotalSearchCompressedSize()},
        {"   Encrypted", totals.GetTotalSearchEncrypted(), totals.GetTotalSearchEncryptedSize()},
        {"   Folders", totals.GetTotalSearchDirectory(), totals.GetTotalSearchDirectorySize()},
        {"   Hidden", totals.GetTotalSearchHidden(), totals.GetTotalSearchHiddenSize()},
        {"   Normal", totals.GetTotalSearchNormal(), totals.GetTotalSearchNormalSize()},
        {"   ReadOnly", totals.GetTotalSearchReadOnly(), totals.GetTotalSearchReadOnlySize()},
        {"   System", totals.GetTotalSearchSystem(), totals.GetTotalSearchSystemSize()},
        {"   Temporary", totals.GetTotalSearchTemporary(), totals.GetTotalSearchTemporarySize()},
    };
    for (Total const& row : attributes)
        AddRow(row, perMatch);
    return true;
}

void AnalysisDialog::AddRow(Total const& row, float share)
{
    unsigned const item = list.GetTotal();
    list.SetText(row.label, item, 0);
    list.SetText(DName::FormatNumber(row.count), item, 1);
    // Single precision does for a share shown with two decimals.
    list.SetDouble(static_cast<float>(row.count) * share, item, 2);
    list.SetText(DName::FormatNumber(row.size), item, 3);
}

void AnalysisDialog::AddSpacer(char const* first, char const* rest)
{
    unsigned const item = list.GetTotal();
    list.SetText(first, item, 0);
    for (unsigned column = 1; column < sizeof Titles / sizeof *Titles; ++column)
        list.SetText(rest, item, column);
}
