// PropDates: the "Dates and Times" option page. Three rows alike (created,
// written, last accessed), each a mode list and seven field lists that
// edit one reference time of the criteria. The references are kept in UTC
// and shown and edited in local time; an edit that would give an
// impossible date is not applied.
#pragma once

#include <windows.h>

#include "OptionPage.h"

class PropDates : public OptionPage
{
public:
    PropDates();

    enum Row
    {
        Created,
        Written,
        Accessed,
        Rows,
    };
    // A row's controls, in the order of their ids.
    enum Field
    {
        Mode,
        Month,
        Day,
        Year,
        Hour,
        Minute,
        Second,
        AmPm,
        Fields,
    };
    static int ControlId(unsigned row, unsigned field);

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void InitControls() override;
    void Show() override;
    bool isInUse() const override;
    bool OnCommand(unsigned id, unsigned code, HWND control) override;

private:
    FILETIME& Reference(unsigned row) const;
    unsigned char& ModeOf(unsigned row) const;

    // A row's lists show its reference, which becomes the current time
    // first when it is not a valid date.
    void ShowRow(unsigned row) const;
    void ShowDays(unsigned row, unsigned month) const;
    void EnableRow(unsigned row) const;

    void OnModeChanged(unsigned row) const;
    void OnModeTyped(unsigned row) const;
    void OnFieldChosen(unsigned row, unsigned field) const;
    void OnFieldLeft(unsigned row, unsigned field) const;
    void OnAmPmTyped(unsigned row) const;

    // The hour of day from the hour and AM/PM lists.
    void TakeHour(unsigned row) const;
    // One field of the reference's local time; a date that is not valid
    // leaves the reference alone and the row shows it again. With days the
    // day list follows the month.
    void SetField(unsigned row, unsigned field, unsigned value, bool days = false) const;
};
