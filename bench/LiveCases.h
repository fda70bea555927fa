// LiveCases: a search as the user starts it, through the real main window:
// "Start Search", SearchWorker with the progress bar, the status line and
// the list view attached, until the worker ends. Beside it the engine's own
// count and walk of the same tree with no control attached, which is what
// the worker cannot avoid; and how soon the window thread answers messages
// posted from another thread while the search runs.
#pragma once

#include <string>

class Report;
class Sampler;

class LiveCases
{
public:
    struct Answers
    {
        double p99;       // seconds
        double worst;
        unsigned count;
    };

    // Seconds from the command to the worker's end; negative when the
    // search did not list and show every one of the tree's entries.
    static double Search(std::string const& root, unsigned entries, Answers* answers);
    // The count walk and the walk of SearchWorker, without controls.
    static double Engine(std::string const& root, unsigned entries);

    static void Figure(Sampler const& sampler, Report& report, std::string const& root,
                       unsigned entries);
};
