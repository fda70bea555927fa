// MemoryProbe: the memory that stored results take, measured in a process
// of its own (this program started again with --memory-probe), so that the
// peak working set holds nothing but the process itself and the list.
#pragma once

class MemoryProbe
{
public:
    struct Figures
    {
        unsigned long long peak;        // peak working set, bytes
        unsigned long long before;      // working set before the list
        unsigned long long results;
        unsigned long long pathChars;   // sum of the path lengths
    };

    // Parent side: runs the child and reads its figures.
    static bool Measure(unsigned count, unsigned long long seed,
                        Figures& out);

    // Child side: fills a list with count records and prints the figures
    // on one line; the exit code is 0 on success.
    static int RunChild(unsigned count, unsigned long long seed);
};
