#include "app/packaged_scenario.h"

#include "app/document_emitter.h"
#include "app/generator_state.h"
#include "content/documents.h"

namespace scenario {

PackagedScenario CarriedScenario() {
  PackagedScenario carried;
  carried.route_name = kRouteName;
  carried.train_number = kTrainNumber;
  carried.line_text = RenderDocument(CarriedLineDescription());
  carried.train_text = RenderDocument(CarriedTrainDescription());
  carried.notes = RenderDocument(NotesDocument());
  carried.slowdowns = RenderDocument(SlowdownsNotice());
  carried.timetable = RenderDocument(TimetableSheet());
  return carried;
}

Status ScenarioOfExecutable(const std::filesystem::path& executable, PackagedScenario* scenario,
                            const std::filesystem::path& shown) {
  UnpackedAttachment attachment;
  if (Status read = UnpackAttachment(executable, &attachment); !read.ok()) return read;
  switch (attachment.state) {
    case AttachmentState::kNone:
      *scenario = CarriedScenario();
      return Status::OK();
    case AttachmentState::kIntact:
      *scenario = std::move(attachment.scenario);
      return Status::OK();
    case AttachmentState::kDamaged:
      break;
  }
  return Status::Error("the scenario attached to " + (shown.empty() ? executable : shown).string() +
                       " is damaged (" +
                       attachment.problem + "): nothing was written");
}

}  // namespace scenario
