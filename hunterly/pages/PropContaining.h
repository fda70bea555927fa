// PropContaining: the "Contents" option page; for now only its frame.
#pragma once

#include "OptionPage.h"

class PropContaining : public OptionPage
{
public:
    PropContaining();

protected:
    void Load(DReg& key) override;
    void Save(DReg& key, bool remember) const override;
    void Show() override;
    bool isInUse() const override;
};
