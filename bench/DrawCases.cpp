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
#include <vector>

namespace {

int const ListId = 1;

} // namespace

bool DrawCases::DrawList(DFileLoad& list, unsigned slice, double& first,
                         double& last)
{
    unsigned const n = list.Size();
    if (slice == 0 || slice > n)
        return false;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // Hidden: what is measured is the list's own work, not the screen's.
    HWND const window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600,
                                        nullptr, nullptr, GetModuleHandleA(nullptr),
                                        nullptr);
    HWND const view = CreateWindowExA(
        0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0, 800, 600, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ListId)), GetModuleHandleA(nullptr),
        nullptr);
    if (!view) {
        DestroyWindow(window);
        return false;
    }
    bool ok;
    {
        DListControl rows(window, ListId);
        rows.SetupReportStyle(DFileLoad::AllColumns);
        rows.SetAutoAdjust(true);
        ok = rows.CreateIcons();
        list.SetupControls(nullptr, nullptr, nullptr, &rows);
        // As the walk's batches and DrawAllFiles hold it.
        SendMessageA(view, WM_SETREDRAW, FALSE, 0);
        Stopwatch clock;
        for (unsigned i = 0; i < n && ok; ++i) {
            if (i == slice)
                first = clock.Seconds();
            if (i == n - slice)
                clock.Restart();
            ok = list.DrawFile(list[i], i);
        }
        last = clock.Seconds();
        ok = ok && rows.GetTotal() == n;
        list.SetupControls(nullptr, nullptr, nullptr, nullptr);
    }
    DestroyWindow(window);
    return ok;
}

void DrawCases::Figure(Sampler const& sampler, Report& report,
                       unsigned long long seed, unsigned count, unsigned slice)
{
    report.Heading("list view");
    std::string const figure = "draw last " + Report::Number(slice) + " / first " +
                               Report::Number(slice) + " rows of " +
                               Report::Number(count) + " results";
    DFileLoad list;
    SyntheticResults records(seed);
    if (!records.Fill(list, count) || list.Size() != count) {
        report.Missing(figure.c_str(), "the results could not be built");
        return;
    }
    double first = 0, last = 0;
    std::vector<double> firsts, lasts, ratios;
    // One warm-up draw, then the timed ones.
    bool ok = DrawList(list, slice, first, last);
    for (unsigned i = 0; i < sampler.Runs() && ok; ++i) {
        ok = DrawList(list, slice, first, last) && first > 0;
        firsts.push_back(first);
        lasts.push_back(last);
        ratios.push_back(last / first);
    }
    if (!ok) {
        report.Missing(figure.c_str(), "a row was not drawn");
        return;
    }
    report.AtMost(figure.c_str(), Sampler::Median(ratios), 1.5,
                  "last " + Report::Seconds(Sampler::Median(lasts)) + ", first " +
                      Report::Seconds(Sampler::Median(firsts)));
}
