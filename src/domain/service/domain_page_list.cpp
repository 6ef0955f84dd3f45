#include "domain/service/domain_page_list.h"

void DomainPageList::SkipBlanks(const char** cursor) {
  while (**cursor == ' ' || **cursor == '\t') ++*cursor;
}

// A page number within 1..page_count; digits only, so no sign and no
// overflow past the page count.
bool DomainPageList::ParseNumber(const char** cursor, int page_count, int* number) {
  SkipBlanks(cursor);
  const char* start = *cursor;
  long long value = 0;
  while (**cursor >= '0' && **cursor <= '9') {
    value = value * 10 + (**cursor - '0');
    if (value > page_count) return false;
    ++*cursor;
  }
  if (*cursor == start || value < 1) return false;
  SkipBlanks(cursor);
  *number = static_cast<int>(value);
  return true;
}

bool DomainPageList::Parse(const char* text, int page_count, std::vector<int>* pages) {
  pages->clear();
  if (text == nullptr || page_count <= 0) return false;
  const char* cursor = text;
  std::vector<int> parsed;
  for (;;) {
    int first = 0;
    if (!ParseNumber(&cursor, page_count, &first)) return false;
    int last = first;
    if (*cursor == '-') {
      ++cursor;
      if (!ParseNumber(&cursor, page_count, &last) || last < first) return false;
    }
    for (int page = first; page <= last; ++page) parsed.push_back(page);
    if (*cursor == '\0') break;
    if (*cursor != ',') return false;
    ++cursor;
  }
  pages->swap(parsed);
  return true;
}
