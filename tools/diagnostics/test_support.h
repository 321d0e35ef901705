// The compile set-up of the tests is tests/compile_run.h; this name stays
// only for warnings_test.cc and warning_cap_test.cc until they include it.
#pragma once

#include "tests/compile_run.h"
