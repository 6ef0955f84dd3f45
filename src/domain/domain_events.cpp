#include "domain/domain_events.h"

namespace {

// Made in one go at static initialisation so the indices are stable.
struct CustomEventTypes {
  wxEventType types[kCustomEventCount];
  CustomEventTypes() {
    for (wxEventType& type : types) type = wxNewEventType();
  }
};

const CustomEventTypes& Types() {
  static const CustomEventTypes types;
  return types;
}

}  // namespace

wxEventType GetCustomEventType(int index) {
  if (index < 0 || index >= kCustomEventCount) return wxEVT_NULL;
  return Types().types[index];
}

const wxEventType EVT_FILES_LOADED = GetCustomEventType(0);
const wxEventType EVT_CONVERT_ALL = GetCustomEventType(5);
const wxEventType EVT_CELL_RENDER = GetCustomEventType(11);
const wxEventType EVT_CONVERT_FINISHED = GetCustomEventType(15);
const wxEventType EVT_UPDATE_RESULT = GetCustomEventType(20);
const wxEventType EVT_LANGUAGE_CHANGED = GetCustomEventType(21);
