#include "descriptions/read_descriptions.h"

#include "app/error_codes.h"
#include "descriptions/line_reader.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reader.h"

namespace scenario {

void memorizza_dati(GeneratorState& state, DescriptionSource& source) {
  // The route and train names go into their rows before anything is read.
  state.scenario[kRouteRow].name = state.route_name;
  state.scenario[kTrainRow].name = state.train_number;
  bool in_train = false;
  try {
    if (!ReadLineDescription(state, source)) return;
    in_train = true;
    ReadTrainDescription(state, source);
  } catch (const DescriptionFailure& failure) {
    // Common failure path: both texts go, the code becomes 25 and the error
    // position stays as it was.
    source.DeleteLine();
    source.DeleteTrain();
    state.error_code = kErrorReadFailure;
    state.observer->OnFailure(in_train ? Description::kTrain : Description::kLine, failure.what(),
                              failure.where());
  }
}

}  // namespace scenario
