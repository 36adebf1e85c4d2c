#include "prediction/option_pairs.h"

#include <algorithm>

namespace n3 {

int CountOptionsOn(const OptionFlags& flags) { return int(std::count(flags.begin(), flags.end(), true)); }

}  // namespace n3
