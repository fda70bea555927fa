#include "PropAttribute.h"

#include "Resource.h"

PropAttribute::PropAttribute() : OptionPage(IDD_ATTRIBUTES, 1, "Software\\Hunterly\\Attributes") {}

void PropAttribute::Load(DReg&) {}

void PropAttribute::Save(DReg&, bool) const {}

void PropAttribute::Show() {}

bool PropAttribute::isInUse() const
{
    return false;
}
