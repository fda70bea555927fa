#include "DrawCases.h"

#include "Report.h"
#include "Sampler.h"
#include "Stopwatch.h"
#include "SyntheticResults.h"

#include "DFileLoad.h"
#include "DListControl.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace {

int const ListId = 1;

}  // namespace

double DrawCases::DrawAll(DFileLoad& list, double* first)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HWND const window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND const view = CreateWindowExA(
        0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0, 800, 600,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ListId)), GetModuleHandleA(nullptr),
        nullptr);
    double seconds = -1;
    if (view) {
        DListControl rows(window, ListId);
        rows.SetupReportStyle(DFileLoad::AllColumns);
        rows.SetAutoAdjust(true);
        rows.SetAutoAdjustLimit(150);
        list.SetupControls(nullptr, nullptr, nullptr, &rows);
        Stopwatch fitting;
        bool ok = list.DrawAllFiles(-1, -1);
        UpdateWindow(view);
        if (first)
            *first = fitting.Seconds();
        Stopwatch clock;
        ok = ok && list.DrawAllFiles(-1, -1);
        UpdateWindow(view);
        seconds = clock.Seconds();
        if (!ok || rows.GetTotal() != list.Size() || list.RowCount() != list.Size())
            seconds = -1;
        list.SetupControls(nullptr, nullptr, nullptr, nullptr);
    }
    DestroyWindow(window);
    return seconds;
}

void DrawCases::Figure(Sampler const& sampler, Report& report, unsigned long long seed,
                       unsigned large, unsigned small)
{
    report.Heading("list view");
    std::string const figure = "DrawAllFiles of " + Report::Number(large) + " / of " +
                               Report::Number(small) + " results";
    DFileLoad many;
    DFileLoad few;
    SyntheticResults records(seed);
    SyntheticResults fewRecords(seed);
    if (!records.Fill(many, large) || many.Size() != large || !fewRecords.Fill(few, small) ||
        few.Size() != small) {
        report.Missing(figure.c_str(), "the results could not be built");
        return;
    }
    double fitting = 0;
    Sampler::Paired const pair = sampler.Pair([&] { return DrawAll(many, &fitting); },
                                              [&] { return DrawAll(few); });
    if (!pair.ok) {
        report.Missing(figure.c_str(), "a view did not show every result");
        return;
    }
    report.AtMost(figure.c_str(), pair.ratio, 2,
                  Report::Number(large) + " " + Report::Seconds(pair.subject) + ", " +
                      Report::Number(small) + " " + Report::Seconds(pair.baseline));
    report.Info("  the first draw of the %s, handing every text to the columns: %s",
                Report::Number(large).c_str(), Report::Seconds(fitting).c_str());
}
