#include "domain/dh_grid_cell_render_command_event.h"

wxIMPLEMENT_DYNAMIC_CLASS(DhGridCellRenderCommandEvent, wxCommandEvent);

DhGridCellRenderCommandEvent::DhGridCellRenderCommandEvent(wxEventType type, int id)
    : wxCommandEvent(type, id) {}
