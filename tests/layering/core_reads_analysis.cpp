// Compiled with the ground floor's include root alone: a higher floor is
// out of sight, so this must not compile.
#include "analysis/pull.h"
