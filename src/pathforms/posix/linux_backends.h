#pragma once
#include <memory>

#include "pathforms/path_forms_backends.h"

namespace pathnab {

// The Linux stand-ins for the path forms' platform calls.
using LinuxPathFormsBackends = PathFormsBackends;

LinuxPathFormsBackends MakeLinuxPathFormsBackends();

}  // namespace pathnab
