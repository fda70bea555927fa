// Benchmark: prepares the trees and records, runs every case against its
// baseline and prints one line per figure.
#pragma once

#include "BenchOptions.h"
#include "Report.h"
#include "Sampler.h"

#include <string>
#include <vector>

class DFileLoad;
class TreeGenerator;

class Benchmark
{
public:
    explicit Benchmark(BenchOptions const& options);

    // 0 when every figure was measured (whether its target holds or not).
    int Run();

private:
    void Machine();
    bool Trees(TreeGenerator& large, TreeGenerator& small);
    void Walks(TreeGenerator const& large, TreeGenerator const& small);
    void Contents(TreeGenerator const& small);
    void Lists();
    void Sorts(DFileLoad const& list);
    void Storage(DFileLoad& list);
    void Memory();

    std::string Scratch(char const* name) const;

    BenchOptions const& options_;
    Sampler sampler_;
    Report report_;
    bool failed_;
};
