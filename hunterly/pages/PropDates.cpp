#include "PropDates.h"

#include "Resource.h"

PropDates::PropDates() : OptionPage(IDD_DATES, 3, "Software\\Hunterly\\Dates") {}

void PropDates::Load(DReg&) {}

void PropDates::Save(DReg&, bool) const {}

void PropDates::Show() {}

bool PropDates::isInUse() const
{
    return false;
}
