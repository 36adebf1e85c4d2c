// Compiled with the ground floor's include root alone: it reaches its own
// folder.
#include "core/draw.h"
