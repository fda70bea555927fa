#include "PropFileSizes.h"

#include "Resource.h"

PropFileSizes::PropFileSizes() : OptionPage(IDD_FILESIZES, 2, "Software\\Hunterly\\FileSizes") {}

void PropFileSizes::Load(DReg&) {}

void PropFileSizes::Save(DReg&, bool) const {}

void PropFileSizes::Show() {}

bool PropFileSizes::isInUse() const
{
    return false;
}
