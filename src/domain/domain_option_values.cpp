#include "domain/domain_option_values.h"

#include <cstdlib>
#include <mutex>
#include <unordered_map>

namespace {

struct Table {
  std::mutex mutex;
  std::unordered_map<int, wxString> values{100};
};

Table& GetTable() {
  static Table table;
  return table;
}

}  // namespace

wxString DomainOptionValues::Get(int key) {
  Table& table = GetTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  return table.values[key];
}

int DomainOptionValues::GetInt(int key) {
  return std::atoi(Get(key).utf8_str().data());
}

void DomainOptionValues::Set(int key, const wxString& value) {
  Table& table = GetTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.values[key] = value;
}

void DomainOptionValues::SetInt(int key, int value) { Set(key, wxString::Format("%d", value)); }

bool DomainOptionValues::Has(int key) {
  Table& table = GetTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  return table.values.count(key) != 0;
}
