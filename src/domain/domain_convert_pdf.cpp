#include "domain/domain_convert_pdf.h"

#include <mutex>

#include <wx/filename.h>
#include <wx/intl.h>

#include "common/app_util.h"
#include "common/file_util.h"
#include "domain/domain_option_values.h"
#include "domain/domain_run_state.h"
#include "domain/domain_source_types.h"
#include "domain/service/pdf_service.h"

namespace {

// One inspection service for the process, shared by every PDF driver and
// freed when the last one goes (freeing it with the first would leave the
// others with a dangling pointer).
std::mutex service_mutex;
Pdf2xxService* service = nullptr;
int service_users = 0;

wxString TextAt(const wxArrayString& texts, size_t index) {
  return index < texts.GetCount() ? texts[index] : wxString();
}

}  // namespace

DomainConvertPDF::DomainConvertPDF() {
  wants_polling_ = false;
  std::lock_guard<std::mutex> lock(service_mutex);
  if (service_users++ == 0) service = CreatePdf2xxService(AppUtil::GetExeDir().utf8_str());
}

DomainConvertPDF::~DomainConvertPDF() {
  StopAndWait();
  std::lock_guard<std::mutex> lock(service_mutex);
  if (--service_users == 0 && service != nullptr) {
    FreePdf2xxService(service);
    service = nullptr;
  }
}

Pdf2xxService* DomainConvertPDF::GetService() {
  std::lock_guard<std::mutex> lock(service_mutex);
  return service;
}

std::unique_ptr<FileRowArray> DomainConvertPDF::LoadFiles(const wxString& text) {
  auto rows = std::make_unique<FileRowArray>();
  for (const wxString& path : SplitPaths(text)) rows->Add(LoadRow(path));
  return rows;
}

FileRowInfo DomainConvertPDF::LoadRow(const wxString& path) {
  FileRowInfo row(path);
  row.SetSize(ReadFileSize(path));

  wxString total_pages;
  wxString selected_pages;
  Pdf2xxService* inspector = GetService();
  const bool is_file = !path.IsEmpty() && wxFileName::FileExists(path);
  if (is_file && inspector != nullptr) {
    const wxScopedCharBuffer utf8_path = path.utf8_str();
    const int pages = inspector->page_count(inspector, utf8_path.data(), 0);
    const PdfOpenResult opened = inspector->open_check(inspector, utf8_path.data());
    // A document without pages has nothing to convert or preview.
    if (opened.readable != 0 && pages > 0) {
      total_pages = wxString::Format("%d", pages);
      selected_pages = wxString::Format("1-%d", pages);
    } else {
      row.SetState(FileRowInfo::kUnreadable);
    }
  } else {
    row.SetState(FileRowInfo::kUnreadable);
  }

  const wxFileName name(path);
  wxArrayString& texts = row.GetTexts();
  texts.Add(name.GetFullName());
  texts.Add(FileUtil::FormatSize(row.GetSize()));
  texts.Add(total_pages);
  texts.Add(DomainOptionValues::Get(OPTION_OUTPUT_TYPE));
  texts.Add(selected_pages);
  texts.Add(_("Not Converted"));
  texts.Add(path);
  texts.Add(name.GetPath());
  texts.Add(name.GetName());

  CheckRow(row);
  return row;
}

wxString DomainConvertPDF::GetFileFilter() { return DomainSourceTypes::GetFileFilter(); }

wxArrayString DomainConvertPDF::GetFileMasks() { return DomainSourceTypes::GetFileMasks(); }

bool DomainConvertPDF::IsSupportedExtension(const wxString& extension) {
  return DomainSourceTypes::IsSupportedExtension(extension);
}

int DomainConvertPDF::Convert(DomainTaskRecord& record) { return ConvertRows(record); }

void DomainConvertPDF::Stop() {
  DomainConvert::Stop();
  if (Pdf2xxService* inspector = GetService()) inspector->cancel(1);
}

wxString DomainConvertPDF::GetPageList(const wxString& selected, const wxString&) { return selected; }

wxString DomainConvertPDF::GetOutputName(const wxArrayString& texts) { return TextAt(texts, kColumnOutputName); }

wxString DomainConvertPDF::GetSourcePath(const wxArrayString& texts) { return TextAt(texts, kColumnSourcePath); }

wxString DomainConvertPDF::GetSourceDir(const wxArrayString& texts) { return TextAt(texts, kColumnSourceDir); }

wxString DomainConvertPDF::GetOutputType(const wxArrayString& texts) { return TextAt(texts, kColumnOutputType); }

wxString DomainConvertPDF::GetSelectedPages(const wxArrayString& texts) {
  return TextAt(texts, kColumnSelectedPage);
}

wxString DomainConvertPDF::GetTotalPages(const wxArrayString& texts) { return TextAt(texts, kColumnTotalPages); }

int DomainConvertPDF::ConvertRows(DomainTaskRecord& record) {
  record.job.reset();
  return 0;
}

unsigned char* DomainConvertPDF::RenderPage(const wxString& path, int page, int max_width, int max_height,
                                            int* width, int* height) {
  Pdf2xxService* inspector = GetService();
  if (inspector == nullptr) return nullptr;
  return inspector->render_page(inspector, path.utf8_str().data(), page, max_width, max_height, width, height);
}
