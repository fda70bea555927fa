#include "PropContaining.h"

#include "Resource.h"

PropContaining::PropContaining() : OptionPage(IDD_CONTAINING, 4, "Software\\Hunterly\\Containing") {}

void PropContaining::Load(DReg&) {}

void PropContaining::Save(DReg&, bool) const {}

void PropContaining::Show() {}

bool PropContaining::isInUse() const
{
    return false;
}
