#include "domain/domain_option.h"

#include <mutex>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include "common/app_util.h"

namespace {

struct UrlTable {
  std::mutex mutex;
  std::map<wxString, wxString> urls;
};

UrlTable& GetUrlTable() {
  static UrlTable table;
  return table;
}

void StoreUrl(const wxString& key, const wxString& value) {
  UrlTable& table = GetUrlTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.urls[key] = value;
}

wxString FromXmlText(const xmlChar* text) {
  return text == nullptr ? wxString() : wxString::FromUTF8(reinterpret_cast<const char*>(text));
}

// Entries of the first /setting/url element; false when there is none.
bool LoadUrlEntries(xmlDocPtr document) {
  xmlXPathContextPtr context = xmlXPathNewContext(document);
  if (context == nullptr) return false;
  xmlXPathObjectPtr result = xmlXPathEvalExpression(BAD_CAST "/setting/url", context);
  bool found = false;
  if (result != nullptr && result->nodesetval != nullptr && result->nodesetval->nodeNr > 0) {
    found = true;
    for (xmlNodePtr node = result->nodesetval->nodeTab[0]->children; node != nullptr; node = node->next) {
      if (node->type == XML_TEXT_NODE) continue;
      xmlChar* content = xmlNodeGetContent(node);
      StoreUrl("url:" + FromXmlText(node->name), FromXmlText(content));
      xmlFree(content);
    }
  }
  xmlXPathFreeObject(result);
  xmlXPathFreeContext(context);
  return found;
}

}  // namespace

bool DomainOption::Load() { return Load(AppUtil::GetOptionFile()); }

bool DomainOption::Load(const wxString& option_file) {
  xmlDocPtr document = xmlReadFile(option_file.utf8_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  const bool loaded = document != nullptr && LoadUrlEntries(document);
  if (document != nullptr) xmlFreeDoc(document);
  StoreUrl("url:update", GetUrl("url:update") + "-update.xml");
  return loaded;
}

wxString DomainOption::GetSupportUrl() { return GetUrl("url:support"); }

wxString DomainOption::GetUrl(const wxString& key) {
  UrlTable& table = GetUrlTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  return table.urls[key];
}

std::map<wxString, wxString> DomainOption::GetUrlTableCopy() {
  UrlTable& table = GetUrlTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  return table.urls;
}
