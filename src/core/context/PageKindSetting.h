#pragma once

#include "core/generators/PageKind.h"

// The page kind the user chose last, kept between runs: every new page begins as it.
namespace PageKindSetting {

// At first, and whatever the stored value, classic.
PageKind remembered();
void remember(PageKind kind);

} // namespace PageKindSetting
