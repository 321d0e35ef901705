// The values as authors wrote them (author_units.h), put into the dump's
// and the tooltips' text and into JSON.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/common/author_units.h"

namespace scenario {

// "left: vas 85 km/h, vbs 90 km/h, ...; right: vad 85 km/h, ..."; values
// without a group first, each group after its name; a stop's time as a
// clock ("time 13:53:30").
std::string AsWrittenText(const std::vector<AuthorValue>& values);

// "85 km/h", "2": one value with its unit, as an author reads it.
std::string ValueWithUnit(const AuthorValue& value);

// {"position": 4500, ..., "first": {"d2": 1, ...}, ...}: a value without a
// group at the top, the others in an object of their group.
nlohmann::ordered_json AsWrittenJson(const std::vector<AuthorValue>& values);

// "class 2 (radius 5000 m)", or "no class (radius 4321 m)".
std::string CurveClassText(const CurveClass& curve);

}  // namespace scenario
