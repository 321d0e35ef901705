// Scenario file dump: the filled rows in index order, each with its role.
#include <algorithm>

#include "tools/common/author_text.h"
#include "tools/inspect/dump.h"
#include "tools/common/row_meaning.h"
#include "tools/common/scenario_rows.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

constexpr int16_t kFormatMark = 610;

// The zone as stored, then the values as the stop record wrote them.
void DumpStop(const ScenarioRow& row, std::ostream& out) {
  out << "  zone " << row.span_start << " .. " << row.span_end << " m  "
      << AsWrittenText(StopAsWritten(row));
}

// The role's own fields, then any other column that is set although the role
// does not use it.
void DumpSpecial(const ScenarioTable& table, int index, std::ostream& out) {
  for (const NamedValue& m : RoleMeaning(table, index)) {
    out << "  " << m.name << ' ' << m.value;
    if (m.name == "format_mark" && m.value != kFormatMark) out << " (expected " << kFormatMark << ")";
    if (m.name == "weighted_check_code") {
      int32_t expected = ExpectedWeightedCheckCode(table);
      if (m.value == expected) {
        out << " (matches the names)";
      } else {
        out << " (the names give " << expected << ")";
      }
    }
  }
  const ScenarioRow& row = table[index];
  if (index == kTrainRow) {
    out << "  clock " << ClockText((int64_t{row.second_d1} * 60 + row.second_d2) * 60 + row.second_d3);
  }
  std::vector<std::string> used = ColumnsWithMeaning(index);
  for (const NamedValue& c : NumericColumns(row)) {
    if (c.value != 0 && std::find(used.begin(), used.end(), c.name) == used.end()) {
      out << "  also " << c.name << ' ' << c.value;
    }
  }
}

}  // namespace

void DumpScenarioFile(const InspectedFile& file, std::ostream& out) {
  const ScenarioTable& table = file.scenario;
  int stops = 0;
  for (int i = 0; i < kScenarioRowCount; ++i) stops += RoleOfRow(table, i) == RowRole::kStop;
  out << DisplayText(file.name) << ": scenario file, " << file.size << " bytes, 87 rows (" << stops
      << " stop rows, " << SignBoardCount(table) << " sign-board rows)\n";
  for (int i = 0; i < kScenarioRowCount; ++i) {
    const ScenarioRow& row = table[i];
    if (RowIsEmpty(row)) continue;
    RowRole role = RoleOfRow(table, i);
    out << "  row " << i << "  " << RowRoleName(role);
    if (!row.name.empty() || role == RowRole::kStop) out << "  " << QuotedName(row.name);
    if (role == RowRole::kStop) {
      DumpStop(row, out);
    } else {
      DumpSpecial(table, i, out);
    }
    out << '\n';
  }
}

}  // namespace scenario
