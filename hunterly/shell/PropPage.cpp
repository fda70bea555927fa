#include "PropPage.h"

PropPage::PropPage(unsigned templateId) : DPropertyPage(templateId) {}
