// Until the carried texts are written each document holds only its end marker.
#include "content/documents.h"

namespace scenario {

LineBuffer CarriedLineDescription() { return {std::string(kEndMarker)}; }
LineBuffer CarriedTrainDescription() { return {std::string(kEndMarker)}; }
LineBuffer NotesDocument() { return {std::string(kEndMarker)}; }
LineBuffer SlowdownsNotice() { return {std::string(kEndMarker)}; }
LineBuffer TimetableSheet() { return {std::string(kEndMarker)}; }

}  // namespace scenario
