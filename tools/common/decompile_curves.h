// Curve records from the route file: the turn of every computed row is found
// again from the two rows before it, and each run of rows with one turn is
// one curve record of that class and side. The file is read as bytes, both
// columns side by side, never decoded into a table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/status.h"

namespace scenario {

// Checks the route file's structure (known tags, whole elements, two
// columns of equal length), counts its rows and finds where its plan_y
// column begins.
Status MeasureRouteFile(std::string_view bytes, int64_t* rows, size_t* y_column);

void AppendCurves(std::string_view bytes, int64_t rows, size_t y_column, std::string* out,
                  std::vector<std::string>* notes);

}  // namespace scenario
