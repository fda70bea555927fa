// The one exported instantiation of the list of names (see Container.h).
#include "Container.h"

template class Container<DName>;
