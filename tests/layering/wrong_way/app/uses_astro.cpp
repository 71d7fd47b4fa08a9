// A high folder may use every lower one.
#include "astro/chart.h"
