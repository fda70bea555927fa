#include "LiveCases.h"

#include "Report.h"
#include "Sampler.h"
#include "Stopwatch.h"

#include "DDialog.h"
#include "DFileLoad.h"
#include "DirectoryListingSpec.h"
#include "MainWindow.h"
#include "PropResults.h"
#include "Resource.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

// A message posted to the window thread this often while a search runs.
DWORD const PostEveryMs = 5;
UINT const Probe = WM_APP + 7;

// The posting thread's times and the window thread's answers, by message.
struct Probes
{
    Stopwatch clock;
    std::vector<double> posted;
    std::vector<double> answered;
    std::atomic<bool> stop{false};
};

LRESULT CALLBACK ProbeWindow(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != Probe)
        return DefWindowProcA(window, message, wparam, lparam);
    auto* const probes = reinterpret_cast<Probes*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    probes->answered[wparam] = probes->clock.Seconds();
    return 0;
}

// The settings the window reads and writes go to a scratch key, so that a
// run on a real machine leaves the user's own alone.
class ScratchSettings
{
public:
    ScratchSettings()
    {
        if (RegCreateKeyA(HKEY_CURRENT_USER, Key, &key_) == ERROR_SUCCESS)
            RegOverridePredefKey(HKEY_CURRENT_USER, key_);
    }
    ~ScratchSettings()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (key_)
            RegCloseKey(key_);
        RegDeleteTreeA(HKEY_CURRENT_USER, Key);
    }

private:
    static constexpr char const* Key = "Software\\HunterlyBench";
    HKEY key_ = nullptr;
};

}  // namespace

double LiveCases::Search(std::string const& root, unsigned entries, Answers* answers)
{
    DDialog::EnableControls();
    ScratchSettings settings;
    MainWindow window(DName(("\"hunterly.exe\" \"" + root + "\"").c_str()));
    if (!window.Create())
        return -1;
    PropResults& page = window.GetResultsPage();

    WNDCLASSA probeClass = {};
    probeClass.lpfnWndProc = ProbeWindow;
    probeClass.lpszClassName = "HunterlyBenchProbe";
    RegisterClassA(&probeClass);
    HWND const probe = CreateWindowA(probeClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                     nullptr, nullptr, nullptr);
    Probes probes;
    // Room for a post every 5 ms over ten minutes.
    probes.posted.assign(120000, 0);
    probes.answered.assign(120000, -1);
    SetWindowLongPtrA(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probes));
    unsigned posts = 0;
    std::thread poster([&] {
        while (!probes.stop && posts < probes.posted.size()) {
            probes.posted[posts] = probes.clock.Seconds();
            PostMessageA(probe, Probe, posts, 0);
            ++posts;
            Sleep(PostEveryMs);
        }
    });

    Stopwatch clock;
    SendMessageA(window.GetWnd(), WM_COMMAND, IDC_STARTSEARCH, 0);
    while (page.isWorkerRunning()) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!DDialog::FilterMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    double const seconds = clock.Seconds();
    probes.stop = true;
    poster.join();
    // The last posts are answered now, late as they may be.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    DestroyWindow(probe);

    if (answers) {
        std::vector<double> waits;
        for (unsigned i = 0; i < posts; ++i)
            waits.push_back(probes.answered[i] < 0 ? seconds : probes.answered[i] - probes.posted[i]);
        std::sort(waits.begin(), waits.end());
        answers->count = posts;
        answers->p99 = waits.empty() ? 0 : waits[waits.size() * 99 / 100];
        answers->worst = waits.empty() ? 0 : waits.back();
    }
    DFileLoad const& results = page.GetResults();
    bool const shown = results.Size() == entries && results.RowCount() == entries;
    return shown ? seconds : -1;
}

double LiveCases::Engine(std::string const& root, unsigned entries)
{
    // On a thread of its own, as SearchWorker runs: the same walk on the
    // thread that owns the windows measured two to four times slower.
    double seconds = -1;
    std::thread walker([&] {
        DFileLoad engine;
        DirectoryListingSpec const everything(DName("*.*"), DName(root.c_str()));
        engine.StoreCurrentDir();
        Stopwatch clock;
        unsigned const counted = engine.GetTotalDirListings(everything, true);
        bool const walked = engine.LoadAllDirListings(everything, true);
        double const t = clock.Seconds();
        engine.RestoreDir();
        if (walked && counted == entries && engine.Size() == entries)
            seconds = t;
    });
    walker.join();
    return seconds;
}

void LiveCases::Figure(Sampler const& sampler, Report& report, std::string const& root,
                       unsigned entries)
{
    report.Heading("live search");
    std::string const figure = "search " + Report::Number(entries) +
                               " entries in the main window / engine's count and walk";
    std::vector<Answers> rounds;
    Sampler::Paired const pair = sampler.Pair(
        [&] {
            Answers answers = {};
            double const t = Search(root, entries, &answers);
            rounds.push_back(answers);
            return t;
        },
        [&] { return Engine(root, entries); });
    if (!pair.ok) {
        report.Missing(figure.c_str(), "the search did not show every entry");
        return;
    }
    report.AtMost(figure.c_str(), pair.ratio, 1.25,
                  "search " + Report::Seconds(pair.subject) + ", engine " +
                      Report::Seconds(pair.baseline));
    std::vector<double> p99s, worsts;
    unsigned posts = 0;
    for (Answers const& a : rounds) {
        p99s.push_back(a.p99);
        worsts.push_back(a.worst);
        posts += a.count;
    }
    double const p99 = *std::max_element(p99s.begin(), p99s.end());
    report.AtMost("window thread's answer during the search, 99th percentile (s)", p99, 0.1,
                  "worst " + Report::Seconds(*std::max_element(worsts.begin(), worsts.end())) +
                      " of " + Report::Number(posts) + " messages posted every 5 ms");
}
