#include "PropDates.h"

#include "DComboBox.h"
#include "DFile.h"
#include "DReg.h"
#include "DirectoryListingSpec.h"
#include "PropDatesIds.h"
#include "Resource.h"

namespace {

struct DateRow
{
    char const* word;
    FILETIME DirectoryListingSpec::* date;
    unsigned char DirectoryListingSpec::* mode;
    char const* high;       // value names of the date's two words
    char const* low;
    char const* option;
    int firstId;
};

DateRow const DateRows[PropDates::Rows] = {
    {"created", &DirectoryListingSpec::created, &DirectoryListingSpec::createdMode, "Createda",
     "Createdb", "CreatedOption", IDC_CREATEDOPTION},
    {"written", &DirectoryListingSpec::written, &DirectoryListingSpec::writtenMode, "Writtena",
     "Writtenb", "WrittenOption", IDC_WRITTENOPTION},
    // Stored the other way round from the two rows above, and kept so.
    {"last accessed", &DirectoryListingSpec::accessed, &DirectoryListingSpec::accessedMode,
     "LastAccessedb", "LastAccesseda", "LastAccessedOption", IDC_ACCESSEDOPTION},
};

static_assert(IDC_CREATEDAMPM == IDC_CREATEDOPTION + PropDates::AmPm &&
                  IDC_WRITTENAMPM == IDC_WRITTENOPTION + PropDates::AmPm &&
                  IDC_ACCESSEDAMPM == IDC_ACCESSEDOPTION + PropDates::AmPm,
              "each row's ids run in field order");

// The item index is the mode's code.
char const* const ModeTexts[] = {
    "Any date or time",
    "Exactly this date and time",
    "Before this date and time",
    "Before or at this date and time",
    "Proceeding this date and time",
    "Proceeding or at this date and time",
};
unsigned const ModeCount = sizeof ModeTexts / sizeof *ModeTexts;

char const* const MonthTexts[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
unsigned const LastMonthItem = 11;
char const* const HalfTexts[] = {"AM", "PM"};
unsigned const LastHalfItem = 1;

// The year list goes on past the last year a date may have.
WORD const LastListedYear = 2085;
unsigned const LongDays = 31;
unsigned const FebruaryDays = 29;

// What a field's tooltip calls it, by field from Month on.
char const* const FieldWords[] = {"month", "day", "year", "hour", "minute", "second", "AM/PM value"};

// The reference's part that a field sets, by field; the mode has none.
WORD SYSTEMTIME::* const Parts[] = {
    nullptr,            &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDay,    &SYSTEMTIME::wYear,
    &SYSTEMTIME::wHour, &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond};

void AddNumbers(DComboBox& list, unsigned first, unsigned last, unsigned width)
{
    for (unsigned n = first; n <= last; ++n) {
        DName text;
        text.FromLong(n, width);
        list.Add(text);
    }
}

template <unsigned N>
void AddTexts(DComboBox& list, char const* const (&texts)[N])
{
    for (char const* text : texts)
        list.Add(text);
}

}

PropDates::PropDates() : OptionPage(IDD_DATES, 3, "Software\\Hunterly\\Dates") {}

int PropDates::ControlId(unsigned row, unsigned field)
{
    return DateRows[row].firstId + static_cast<int>(field);
}

FILETIME& PropDates::Reference(unsigned row) const
{
    return links.criteria->*DateRows[row].date;
}

unsigned char& PropDates::ModeOf(unsigned row) const
{
    return links.criteria->*DateRows[row].mode;
}

void PropDates::Load(DReg& key)
{
    for (unsigned row = 0; row < Rows; ++row) {
        DateRow const& names = DateRows[row];
        FILETIME& date = Reference(row);
        date.dwHighDateTime = key.LoadKeyDword(names.high);
        date.dwLowDateTime = key.LoadKeyDword(names.low);
        ModeOf(row) = static_cast<unsigned char>(key.LoadKeyDword(names.option));
    }
}

void PropDates::Save(DReg& key, bool remember) const
{
    for (unsigned row = 0; row < Rows; ++row) {
        DateRow const& names = DateRows[row];
        FILETIME const& date = Reference(row);
        key.SetDwordValue(names.high, remember ? date.dwHighDateTime : 0);
        key.SetDwordValue(names.low, remember ? date.dwLowDateTime : 0);
        key.SetDwordValue(names.option, remember ? ModeOf(row) : 0);
    }
}

void PropDates::InitControls()
{
    DComboBox list(GetWnd());
    for (unsigned row = 0; row < Rows; ++row) {
        DName const word(DateRows[row].word);
        links.AddTip(DName("Select how to treat the ") + word + " date", ControlId(row, Mode));
        for (unsigned field = Month; field < Fields; ++field)
            links.AddTip(DName("Change or enter the ") + word + " " + FieldWords[field - Month],
                         ControlId(row, field));

        AddTexts(list[ControlId(row, Mode)], ModeTexts);
        AddTexts(list[ControlId(row, Month)], MonthTexts);
        AddNumbers(list[ControlId(row, Year)], DFile::FloorYear, LastListedYear, 0);
        AddNumbers(list[ControlId(row, Hour)], 1, 12, 0);
        AddNumbers(list[ControlId(row, Minute)], 0, 59, 2);
        AddNumbers(list[ControlId(row, Second)], 0, 59, 2);
        AddTexts(list[ControlId(row, AmPm)], HalfTexts);
    }
}

void PropDates::Show()
{
    DComboBox list(GetWnd());
    for (unsigned row = 0; row < Rows; ++row) {
        ShowRow(row);
        // A code the list does not offer shows as the first item and is
        // kept until the user picks one.
        unsigned const mode = ModeOf(row);
        list[ControlId(row, Mode)].SetSel(mode < ModeCount ? mode : 0);
        EnableRow(row);
    }
}

bool PropDates::isInUse() const
{
    for (unsigned row = 0; row < Rows; ++row)
        if (ModeOf(row))
            return true;
    return false;
}

void PropDates::ShowRow(unsigned row) const
{
    FILETIME& date = Reference(row);
    if (!DFile::isValidDate(date))
        GetSystemTimeAsFileTime(&date);
    SYSTEMTIME const t = DFile::GetLocalDate(date);
    ShowDays(row, t.wMonth);
    unsigned const halfHour = t.wHour % 12;
    unsigned const items[] = {0u,
                              t.wMonth - 1u,
                              t.wDay - 1u,
                              static_cast<unsigned>(t.wYear - DFile::FloorYear),
                              (halfHour ? halfHour : 12) - 1u,
                              t.wMinute,
                              t.wSecond,
                              t.wHour < 12 ? 0u : 1u};
    DComboBox list(GetWnd());
    for (unsigned field = Month; field < Fields; ++field)
        list[ControlId(row, field)].SetSel(items[field]);
}

// February lists 29 days whatever the year, every other month 31; the
// date test refuses the days a month lacks.
void PropDates::ShowDays(unsigned row, unsigned month) const
{
    DComboBox days(GetWnd(), ControlId(row, Day));
    unsigned const count = month == 2 ? FebruaryDays : LongDays;
    if (days.GetTotal() == count)
        return;
    days.Reset();
    AddNumbers(days, 1, count, 0);
}

void PropDates::EnableRow(unsigned row) const
{
    DComboBox list(GetWnd());
    bool const tested = ModeOf(row) != 0;
    for (unsigned field = Month; field < Fields; ++field) {
        if (tested)
            list.Enable(ControlId(row, field));
        else
            list.Disable(ControlId(row, field));
    }
}

bool PropDates::OnCommand(unsigned id, unsigned code, HWND control)
{
    int const first = DateRows[0].firstId;
    int const step = DateRows[1].firstId - first;
    int const offset = static_cast<int>(id) - first;
    if (!links.criteria || offset < 0 || offset >= step * Rows || offset % step >= Fields)
        return OptionPage::OnCommand(id, code, control);
    unsigned const row = static_cast<unsigned>(offset / step);
    unsigned const field = static_cast<unsigned>(offset % step);
    switch (code) {
    case CBN_SELCHANGE:
        if (field == Mode)
            OnModeChanged(row);
        else
            OnFieldChosen(row, field);
        return true;
    case CBN_KILLFOCUS:
        if (field != Mode)
            OnFieldLeft(row, field);
        return true;
    case CBN_EDITCHANGE:
        if (field == Mode)
            OnModeTyped(row);
        else if (field == AmPm)
            OnAmPmTyped(row);
        return true;
    default:
        return OptionPage::OnCommand(id, code, control);
    }
}

void PropDates::OnModeChanged(unsigned row) const
{
    ModeOf(row) = static_cast<unsigned char>(DComboBox(GetWnd(), ControlId(row, Mode)).GetSel());
    EnableRow(row);
}

// The item that type-ahead selects is the mode from then on, so that the
// search tests what the list shows.
void PropDates::OnModeTyped(unsigned row) const
{
    DComboBox(GetWnd(), ControlId(row, Mode)).SelectCase();
    OnModeChanged(row);
}

void PropDates::OnFieldChosen(unsigned row, unsigned field) const
{
    unsigned const item = DComboBox(GetWnd(), ControlId(row, field)).GetSel();
    switch (field) {
    case Month:
        SetField(row, Month, item + 1, true);
        break;
    case Day:
        SetField(row, Day, item + 1);
        break;
    case Year:
        SetField(row, Year, item + DFile::FloorYear, true);
        break;
    case Minute:
    case Second:
        SetField(row, field, item);
        break;
    default:
        TakeHour(row);
        break;
    }
}

// The typed text picks an item, clamped to what a date may hold, and the
// item is applied as if chosen; the day list stays as it is.
void PropDates::OnFieldLeft(unsigned row, unsigned field) const
{
    DComboBox list(GetWnd(), ControlId(row, field));
    switch (field) {
    case Month:
        SetField(row, Month, list.RangeText(LastMonthItem) + 1);
        break;
    case Day:
        SetField(row, Day, list.RangeValue(1, LongDays) + 1);
        break;
    case Year:
        SetField(row, Year, list.RangeValue(DFile::FloorYear, DFile::LastYear) + DFile::FloorYear);
        break;
    case Hour:
        list.RangeValue(1, 12);
        TakeHour(row);
        break;
    case Minute:
    case Second:
        SetField(row, field, list.RangeValue(0, 59));
        break;
    default:
        list.RangeText(LastHalfItem);
        TakeHour(row);
        break;
    }
}

void PropDates::OnAmPmTyped(unsigned row) const
{
    DComboBox(GetWnd(), ControlId(row, AmPm)).SelectCase();
    TakeHour(row);
}

// 12 AM is hour 0 and 12 PM hour 12.
void PropDates::TakeHour(unsigned row) const
{
    DComboBox list(GetWnd());
    unsigned const hour = list.GetSel(ControlId(row, Hour)) + 1;
    bool const pm = list.GetSel(ControlId(row, AmPm)) == 1;
    SetField(row, Hour, hour % 12 + (pm ? 12 : 0));
}

void PropDates::SetField(unsigned row, unsigned field, unsigned value, bool days) const
{
    FILETIME& date = Reference(row);
    SYSTEMTIME t = DFile::GetLocalDate(date);
    t.*Parts[field] = static_cast<WORD>(value);
    // An edited reference is the time the lists show, to the second.
    t.wMilliseconds = 0;
    bool const valid = DFile::isValidDate(t);
    if (valid)
        date = DFile::GetUTCDate(t);
    // Refused, the lists go back to the date the search will use.
    if (!valid || days)
        ShowRow(row);
}
