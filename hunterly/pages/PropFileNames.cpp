#include "PropFileNames.h"

#include "Resource.h"

PropFileNames::PropFileNames() : OptionPage(IDD_FILENAMES, 0, "Software\\Hunterly\\FileNames") {}

void PropFileNames::Load(DReg&) {}

void PropFileNames::Save(DReg&, bool) const {}

void PropFileNames::Show() {}

bool PropFileNames::isInUse() const
{
    return false;
}
