// Small tests on path texts that the walk and the folder utilities share.
#pragma once

#include "DName.h"

namespace PathText {

bool isSep(char c);

// Length of the part that roots a path: "C:\", "\\server\share\", "\";
// 0 for a path relative to the current folder.
unsigned RootLength(DName const& path);

bool isFullPath(DName const& path);

// text begins with prefix, letters folded.
bool BeginsWith(DName const& text, DName const& prefix);

}  // namespace PathText
