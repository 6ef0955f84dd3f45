#include "domain/domain_config.h"

#include <wx/log.h>
#include <wx/sstream.h>
#include <wx/xml/xml.h>

#include "common/app_util.h"
#include "common/file_util.h"
#include "domain/domain_option_values.h"

namespace {

wxXmlNode* NthElementChild(wxXmlNode* parent, int index) {
  for (wxXmlNode* child = parent->GetChildren(); child != nullptr; child = child->GetNext()) {
    if (child->GetType() != wxXML_ELEMENT_NODE) continue;
    if (index-- == 0) return child;
  }
  return nullptr;
}

int CountElementChildren(wxXmlNode* parent) {
  int count = 0;
  for (wxXmlNode* child = parent->GetChildren(); child != nullptr; child = child->GetNext())
    if (child->GetType() == wxXML_ELEMENT_NODE) ++count;
  return count;
}

void SetElementText(wxXmlNode* element, const wxString& text) {
  for (wxXmlNode* child = element->GetChildren(); child != nullptr; child = child->GetNext()) {
    if (child->GetType() == wxXML_TEXT_NODE || child->GetType() == wxXML_CDATA_SECTION_NODE) {
      child->SetContent(text);
      return;
    }
  }
  element->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxEmptyString, text));
}

bool ParseSettings(const wxString& path, wxXmlDocument& document) {
  wxLogNull quiet;
  return FileUtil::PathExists(path) && document.Load(path, "UTF-8") && document.GetRoot() != nullptr;
}

}  // namespace

DomainConfig*& TheConfig() {
  static DomainConfig* config = nullptr;
  return config;
}

DomainConfig::DomainConfig(const wxString& path) : path_(path) {
  Load();
  SetProxy(ProxySettings());
}

DomainConfig::~DomainConfig() {
  source_dir_ = DomainOptionValues::Get(OPTION_SOURCE_DIR);
  output_dir_ = DomainOptionValues::Get(OPTION_OUTPUT_DIR);
  Save();
}

void DomainConfig::Load() {
  wxXmlDocument document;
  if (!ParseSettings(path_, document) || CountElementChildren(document.GetRoot()) < 2) {
    // Missing, malformed or short: start over with the default file, whose
    // entries are empty.
    WriteDefaultFile(true);
    source_dir_.clear();
    output_dir_ = AppUtil::GetDefaultOutputDir();
  } else {
    source_dir_ = NthElementChild(document.GetRoot(), 0)->GetNodeContent();
    output_dir_ = NthElementChild(document.GetRoot(), 1)->GetNodeContent();
    if (output_dir_.empty() || !FileUtil::PathExists(output_dir_)) output_dir_ = AppUtil::GetDefaultOutputDir();
  }
  DomainOptionValues::Set(OPTION_SOURCE_DIR, source_dir_);
  DomainOptionValues::Set(OPTION_OUTPUT_DIR, output_dir_);
}

void DomainConfig::WriteDefaultFile(bool force) const {
  if (!force && FileUtil::PathExists(path_)) return;
  const std::string contents =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<setting>\n"
      "   <last-convert-dir></last-convert-dir>\n"
      "   <last-output-dir></last-output-dir>\n"
      "</setting>\n";
  FileUtil::WriteFileAtomically(path_, contents);
}

void DomainConfig::Save() const {
  WriteDefaultFile(false);
  wxXmlDocument document;
  if (!ParseSettings(path_, document)) return;
  wxXmlNode* root = document.GetRoot();
  // A root that lost its children since start-up gets them back.
  while (CountElementChildren(root) < 2)
    root->AddChild(new wxXmlNode(wxXML_ELEMENT_NODE,
                                 CountElementChildren(root) == 0 ? "last-convert-dir" : "last-output-dir"));
  SetElementText(NthElementChild(root, 0), source_dir_);
  SetElementText(NthElementChild(root, 1), output_dir_);
  wxStringOutputStream stream(nullptr, wxConvUTF8);
  if (!document.Save(stream, 2)) return;
  FileUtil::WriteFileAtomically(path_, stream.GetString().utf8_string());
}

ProxySettings DomainConfig::GetProxy() const {
  std::lock_guard<std::mutex> lock(proxy_mutex_);
  return proxy_;
}

void DomainConfig::SetProxy(const ProxySettings& proxy) {
  std::lock_guard<std::mutex> lock(proxy_mutex_);
  proxy_ = proxy;
}
