// DrawCases: DrawAllFiles into the virtual list view, as a refresh or a sort
// redraws the results page, with the screenful painted: a million results
// against ten thousand. The list view holds a count and asks for the rows
// it paints, so the cost must not grow with the list.
#pragma once

class DFileLoad;
class Report;
class Sampler;

class DrawCases
{
public:
    // Seconds of DrawAllFiles of the whole list and the painting of the
    // rows in sight, in a new list view showing every column. The texts are
    // first handed to the columns by a draw before the clock (first gets its
    // seconds), as the search or restore that brought the results did.
    // Negative when the view does not show every result.
    static double DrawAll(DFileLoad& list, double* first = nullptr);

    static void Figure(Sampler const& sampler, Report& report, unsigned long long seed,
                       unsigned large, unsigned small);
};
