// Speed figures of the search engine as ratios against plain Win32
// baselines measured in the same run on the same data.
#include "BenchOptions.h"
#include "Benchmark.h"
#include "MemoryProbe.h"

int main(int argc, char** argv)
{
    BenchOptions options;
    if (!options.Parse(argc, argv))
        return options.help ? 0 : 2;
    if (options.memoryProbe)
        return MemoryProbe::RunChild(options.memoryProbe, options.seed);
    Benchmark bench(options);
    return bench.Run();
}
