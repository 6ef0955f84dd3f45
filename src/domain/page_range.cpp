#include "domain/page_range.h"

#include <regex.h>

#include <cstdlib>

#include <wx/tokenzr.h>

namespace {

const char kPageRangePattern[] =
    "^[1-9][0-9]*(-[1-9][0-9]*)*(,?[1-9][0-9]*)*(,?[1-9][0-9]*-[1-9][0-9]*)*(,?[1-9][0-9]*)*";

// POSIX regexec gives the leftmost-longest overall match the form relies on.
class PageRangeRegex {
 public:
  PageRangeRegex() { ok_ = regcomp(&regex_, kPageRangePattern, REG_EXTENDED) == 0; }
  ~PageRangeRegex() {
    if (ok_) regfree(&regex_);
  }
  // Length of the match at the start of `text`, or 0.
  size_t MatchLength(const char* text) const {
    regmatch_t match;
    if (!ok_ || regexec(&regex_, text, 1, &match, 0) != 0) return 0;
    return static_cast<size_t>(match.rm_eo);
  }

 private:
  regex_t regex_;
  bool ok_ = false;
};

// Integer reading of a piece as the runtime's atoi does: missing -> 0.
long ReadNumber(const wxString& piece) { return std::atol(piece.utf8_str().data()); }

bool IsNumber(const wxString& piece) {
  size_t start = (piece.StartsWith("+") || piece.StartsWith("-")) ? 1 : 0;
  if (start >= piece.length()) return false;
  for (size_t i = start; i < piece.length(); ++i)
    if (piece[i] < '0' || piece[i] > '9') return false;
  return true;
}

bool CheckRangePiece(const wxString& piece, int page_count) {
  wxStringTokenizer bounds(piece, "-", wxTOKEN_RET_EMPTY);
  while (bounds.HasMoreTokens()) {
    const long first = ReadNumber(bounds.GetNextToken());
    const long last = bounds.HasMoreTokens() ? ReadNumber(bounds.GetNextToken()) : 0;
    if (last > page_count || last < first) return false;
  }
  return true;
}

}  // namespace

wxString NormalizePageRange(wxString& text) {
  text.Trim(false);
  static const PageRangeRegex regex;
  const std::string utf8 = text.utf8_string();
  return wxString::FromUTF8(utf8.substr(0, regex.MatchLength(utf8.c_str())));
}

bool CheckPageRange(const wxString& text, int page_count) {
  wxStringTokenizer pieces(text, ",", wxTOKEN_RET_EMPTY);
  while (pieces.HasMoreTokens()) {
    const wxString piece = pieces.GetNextToken();
    if (piece.empty()) return false;
    if (IsNumber(piece)) {
      if (ReadNumber(piece) > page_count) return false;
    } else if (!CheckRangePiece(piece, page_count)) {
      return false;
    }
  }
  return true;
}
