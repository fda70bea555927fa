// PropDates: the "Dates and Times" option page; for now only its frame.
#pragma once

#include "OptionPage.h"

class PropDates : public OptionPage
{
public:
    PropDates();

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void Show() override;
    bool isInUse() const override;
};
