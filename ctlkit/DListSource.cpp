#include "DListSource.h"

DListSource::~DListSource() = default;
