// The custom event set of the conversion engine: 22 event types made at
// start-up, numbered 0 to 21 in the order made.  Workers queue these to the
// file list window with wxQueueEvent; the engine never touches a window.
#ifndef TARNLY_DOMAIN_DOMAIN_EVENTS_H
#define TARNLY_DOMAIN_DOMAIN_EVENTS_H

#include <wx/event.h>

constexpr int kCustomEventCount = 22;

// The event type made at position `index` (0 to 21).
wxEventType GetCustomEventType(int index);

// Those in use, at their fixed indices.
extern const wxEventType EVT_FILES_LOADED;       // 0: int 1 + row array as client data, or int 0
extern const wxEventType EVT_CONVERT_ALL;        // 5
extern const wxEventType EVT_CELL_RENDER;        // 11: DhGridCellRenderCommandEvent
extern const wxEventType EVT_CONVERT_FINISHED;   // 15: int = number of files converted
extern const wxEventType EVT_UPDATE_RESULT;      // 20: string = version found, empty on failure
extern const wxEventType EVT_LANGUAGE_CHANGED;   // 21: int = language code

#endif
