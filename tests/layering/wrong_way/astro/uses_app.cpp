// A file of a low folder that includes a higher one: the layering check must refuse it.
#include "app/state.h"
#include "base/numbers.h"
