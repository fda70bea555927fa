#include "BenchOptions.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Number(char const* text, unsigned long long& out)
{
    if (!text || !*text)
        return false;
    char* end = nullptr;
    out = std::strtoull(text, &end, 10);
    return end && !*end;
}

} // namespace

BenchOptions::BenchOptions()
    : quick(false), runs(5), warmups(1), seed(1), largeTree(200000),
      smallTree(20000), results(1000000), memoryProbe(0), blockSize(12800),
      verbose(false), help(false)
{
    char temp[MAX_PATH];
    DWORD const n = GetTempPathA(sizeof temp, temp);
    dir = n && n < sizeof temp ? temp : ".\\";
    dir += "hunterly-bench";
}

void BenchOptions::Usage()
{
    std::printf(
        "hunterly_bench [--quick] [--runs N] [--dir PATH] [--seed N]\n"
        "               [--only walk,content,sort,store,memory,draw,live] [--verbose]\n"
        "  --quick     a tenth of the scale (20,000 and 2,000 entries,\n"
        "              100,000 results) and 3 runs\n"
        "  --runs N    timed runs per case after one warm-up (default 5)\n"
        "  --dir PATH  folder for the generated trees and scratch files\n"
        "              (default: the temp path); trees are kept and reused\n"
        "  --seed N    seed of the generated trees and records (default 1)\n"
        "  --only ...  run only the named groups of figures\n"
        "  --verbose   print the times of every round\n");
}

bool BenchOptions::Parse(int argc, char** argv)
{
    bool runsGiven = false;
    for (int i = 1; i < argc; ++i) {
        char const* a = argv[i];
        char const* v = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long long n = 0;
        if (!std::strcmp(a, "--quick")) {
            quick = true;
        } else if (!std::strcmp(a, "--verbose")) {
            verbose = true;
        } else if (!std::strcmp(a, "--runs") && Number(v, n) && n > 0 && n < 1000) {
            runs = unsigned(n);
            runsGiven = true;
            ++i;
        } else if (!std::strcmp(a, "--dir") && v && *v) {
            dir = v;
            ++i;
        } else if (!std::strcmp(a, "--seed") && Number(v, n)) {
            seed = n;
            ++i;
        } else if (!std::strcmp(a, "--only") && v && *v) {
            only_ = std::string(",") + v + ",";
            ++i;
        } else if (!std::strcmp(a, "--memory-probe") && Number(v, n) && n > 0 &&
                   n < 100000000) {
            memoryProbe = unsigned(n);
            ++i;
        } else {
            help = !std::strcmp(a, "--help") || !std::strcmp(a, "-h");
            if (!help)
                std::printf("unknown or incomplete option: %s\n", a);
            Usage();
            return false;
        }
    }
    if (quick) {
        largeTree /= 10;
        smallTree /= 10;
        results /= 10;
        if (!runsGiven)
            runs = 3;
    }
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/'))
        dir.pop_back();
    return true;
}

bool BenchOptions::Wants(char const* group) const
{
    return only_.empty() ||
           only_.find(std::string(",") + group + ",") != std::string::npos;
}
