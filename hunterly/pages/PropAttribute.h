// PropAttribute: the "Attributes" option page; for now only its frame.
#pragma once

#include "OptionPage.h"

class PropAttribute : public OptionPage
{
public:
    PropAttribute();

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void Show() override;
    bool isInUse() const override;
};
