#include "about/about_design.h"

#include <algorithm>

namespace pathnab::about_design {

int DescriptionHeight(int designed, int needed) { return std::max(designed, needed); }

}  // namespace pathnab::about_design
