// Report: one line per figure with its median, its target and whether the
// target holds, plus detail and information lines, and a closing count.
#pragma once

#include <string>

class Report
{
public:
    Report();

    void Heading(char const* text);
    void Info(char const* format, ...);

    // value <= bound
    void AtMost(char const* figure, double value, double bound,
                std::string const& detail);
    // lo <= value <= hi
    void Within(char const* figure, double value, double lo, double hi,
                std::string const& detail);
    // value <= bound, for figures in bytes
    void BytesAtMost(char const* figure, double value, double bound,
                     std::string const& detail);
    // A figure that could not be measured.
    void Missing(char const* figure, char const* why);

    // "held of measured", and the figures not measured.
    void Summary() const;
    bool AllHeld() const;

    static std::string Seconds(double s);
    static std::string Number(unsigned long long n);   // 1,234,567

private:
    void Line(char const* figure, std::string const& value,
              std::string const& target, char const* verdict,
              std::string const& detail);

    unsigned held_;
    unsigned missed_;
    unsigned missing_;
};
