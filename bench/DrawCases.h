// DrawCases: result rows drawn into a list view as the walk and the results
// page draw them (DFileLoad::DrawFile, redraw held off, icons shared), timed
// at the head and at the tail of a long list: drawing a row must not grow
// dearer with the rows already drawn.
#pragma once

class DFileLoad;
class Report;
class Sampler;

class DrawCases
{
public:
    // Draws every record of list into a new hidden list view showing all
    // columns; first and last get the seconds of the first and of the last
    // slice rows. False when a row was not drawn.
    static bool DrawList(DFileLoad& list, unsigned slice, double& first,
                         double& last);

    // The figure: count generated results drawn after one warm-up, the
    // median over the sampler's runs of last slice / first slice.
    static void Figure(Sampler const& sampler, Report& report,
                       unsigned long long seed, unsigned count, unsigned slice);
};
