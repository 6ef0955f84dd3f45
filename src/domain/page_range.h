// Page selections such as "1,3,4,5-10".
#ifndef TARNLY_DOMAIN_PAGE_RANGE_H
#define TARNLY_DOMAIN_PAGE_RANGE_H

#include <wx/string.h>

// Strips leading white space from `text` (the caller's text changes) and
// returns its longest prefix of the right form; empty when none.
wxString NormalizePageRange(wxString& text);

// True when every comma-separated piece names pages within `page_count`
// and every range runs forwards.  An empty text passes.
bool CheckPageRange(const wxString& text, int page_count);

#endif
