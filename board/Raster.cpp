// The frame is a template in Raster.h, so that each builder's style steps are
// inlined into it; this unit keeps the header compiled on its own.
#include "board/Raster.h"
