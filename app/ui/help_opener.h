#pragma once
// The desktop's URL handler as the opener of the local help pages.
#include "app/help_commands.h"

namespace omvera {

PageOpener DesktopPageOpener();

} // namespace omvera
