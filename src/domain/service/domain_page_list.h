// The page list a conversion receives: "1,3,4,5-10".  Pages count from 1,
// ranges run forwards, repeats are kept in their order.
#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_PAGE_LIST_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_PAGE_LIST_H

#include <vector>

class DomainPageList {
 public:
  // Fills `pages` with the pages named by `text`, in order.  False (and
  // `pages` empty) when the text is empty or malformed, a range runs
  // backwards, or a page is 0 or beyond `page_count`.  Blanks around the
  // numbers are allowed.
  static bool Parse(const char* text, int page_count, std::vector<int>* pages);

 private:
  static bool ParseNumber(const char** cursor, int page_count, int* number);
  static void SkipBlanks(const char** cursor);
};

#endif
