#include "records/stamp.h"

#include "records/check_codes.h"

namespace scenario {

int32_t StampScenario(GeneratorState& state) {
  ScenarioRow& route = state.scenario[kRouteRow];
  Cell& cell = state.grid.at(1);
  if (route.first_d2 != 0 || cell.value_a != 0) return kFatalMarksTaken;
  route.first_d2 = kRouteFormatMark;
  cell.value_a = kGridFormatMark;
  if (route.scheduled_time != 0 || cell.value_b != 0) return kFatalCodesTaken;
  route.scheduled_time = codice_gara_st(state.scenario);
  cell.value_b = static_cast<int16_t>(codice_gara_og(state.scenario));
  return 0;
}

}  // namespace scenario
