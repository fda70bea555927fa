// BenchOptions: the command line of the benchmark.
//
//   --quick            a tenth of the scale, 3 runs (a quick look while working)
//   --runs N           timed runs per case after the warm-up (5; quick: 3)
//   --dir PATH         where the trees and scratch files go (the temp path)
//   --seed N           seed of the trees and records (1)
//   --only LIST        some of walk,content,sort,store,memory
//   --verbose          the times of every round
//   --memory-probe N   (internal) the child process of the memory figure
#pragma once

#include <string>

class BenchOptions
{
public:
    BenchOptions();

    // False, with the usage printed, for --help and for an unknown or
    // malformed option (help then tells them apart).
    bool Parse(int argc, char** argv);
    static void Usage();

    bool Wants(char const* group) const;

    bool quick;
    unsigned runs;
    unsigned warmups;
    std::string dir;
    unsigned long long seed;
    unsigned largeTree;    // entries of the walk tree
    unsigned smallTree;    // entries of the scaling and content tree
    unsigned results;      // records of the sort, store and memory figures
    unsigned memoryProbe;  // not 0: run as the memory child
    unsigned blockSize;    // the content test's default read size
    bool verbose;
    bool help;

private:
    std::string only_;
};
