#include "Report.h"

#include <cstdarg>
#include <cstdio>

Report::Report() : held_(0), missed_(0), missing_(0)
{
}

void Report::Heading(char const* text)
{
    std::printf("\n%s\n", text);
    std::fflush(stdout);
}

void Report::Info(char const* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::printf("  ");
    std::vprintf(format, args);
    std::printf("\n");
    va_end(args);
    std::fflush(stdout);
}

void Report::Line(char const* figure, std::string const& value,
                  std::string const& target, char const* verdict,
                  std::string const& detail)
{
    std::printf("%-64s %9s  %-12s %-7s %s\n", figure, value.c_str(),
                target.c_str(), verdict, detail.c_str());
    std::fflush(stdout);
}

void Report::AtMost(char const* figure, double value, double bound,
                    std::string const& detail)
{
    char v[32], t[32];
    std::snprintf(v, sizeof v, "%.2f", value);
    std::snprintf(t, sizeof t, "<= %.2f", bound);
    bool const ok = value <= bound;
    ++(ok ? held_ : missed_);
    Line(figure, v, t, ok ? "holds" : "MISSED", detail);
}

void Report::Within(char const* figure, double value, double lo, double hi,
                    std::string const& detail)
{
    char v[32], t[32];
    std::snprintf(v, sizeof v, "%.2f", value);
    std::snprintf(t, sizeof t, "%.2f..%.2f", lo, hi);
    bool const ok = lo <= value && value <= hi;
    ++(ok ? held_ : missed_);
    Line(figure, v, t, ok ? "holds" : "MISSED", detail);
}

void Report::BytesAtMost(char const* figure, double value, double bound,
                         std::string const& detail)
{
    char v[32], t[32];
    std::snprintf(v, sizeof v, "%.0f B", value);
    std::snprintf(t, sizeof t, "<= %.0f B", bound);
    bool const ok = value <= bound;
    ++(ok ? held_ : missed_);
    Line(figure, v, t, ok ? "holds" : "MISSED", detail);
}

void Report::Missing(char const* figure, char const* why)
{
    ++missing_;
    Line(figure, "-", "", "NOT RUN", why);
}

void Report::Summary() const
{
    std::printf("\n%u of %u measured targets hold", held_, held_ + missed_);
    if (missing_)
        std::printf("; %u figures not measured", missing_);
    std::printf(".\n");
    std::fflush(stdout);
}

bool Report::AllHeld() const
{
    return missed_ == 0 && missing_ == 0;
}

std::string Report::Seconds(double s)
{
    char b[32];
    if (s < 0)
        return "failed";
    if (s < 1)
        std::snprintf(b, sizeof b, "%.1f ms", s * 1000);
    else
        std::snprintf(b, sizeof b, "%.2f s", s);
    return b;
}

std::string Report::Number(unsigned long long n)
{
    std::string digits = std::to_string(n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}
