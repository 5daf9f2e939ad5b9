#include "pathforms/path_conventions.h"

namespace pathnab {

const PathConventions& HostPathConventions() {
    return PosixPathConventions();
}

}  // namespace pathnab
