#include "domain/domain_convert_raz2odavo.h"

#include "common/file_util.h"
#include "domain/dh_grid_cell_render_command_event.h"
#include "domain/domain_option_values.h"
#include "domain/domain_run_state.h"
#include "domain/service/pdf_service.h"

namespace {

// Library format codes in the order of the output type chooser.
constexpr int kFormatCodes[] = {PDF_FORMAT_JPG, PDF_FORMAT_TIF, PDF_FORMAT_PNG, PDF_FORMAT_BMP, PDF_FORMAT_GIF};
constexpr int kOutputTypeCount = sizeof(kFormatCodes) / sizeof(kFormatCodes[0]);

wxString JoinPath(const wxString& folder, const wxString& name) {
  if (folder.IsEmpty()) return name;
  return folder.EndsWith("/") ? folder + name : folder + "/" + name;
}

}  // namespace

DomainConvertRAZ2ODAVO::~DomainConvertRAZ2ODAVO() { StopAndWait(); }

wxString DomainConvertRAZ2ODAVO::GetTargetExtension() { return wxString(); }

int DomainConvertRAZ2ODAVO::FormatCodeOf(int output_type) {
  if (output_type < 0 || output_type >= kOutputTypeCount) return -1;
  return kFormatCodes[output_type];
}

int DomainConvertRAZ2ODAVO::ParseOutputType(const wxString& text) {
  long value = 0;
  if (!text.ToLong(&value) || value < 0 || value >= kOutputTypeCount) return -1;
  return static_cast<int>(value);
}

int DomainConvertRAZ2ODAVO::ProgressPercent(int done, int total) {
  if (total <= 0 || done <= 0) return 0;
  if (done > total) done = total;
  // The divisor counts two steps per page, render and write; our service
  // reports a page only once both are done, so a finished page is two steps.
  // Without that the bar would stop near 49% and jump to 100.
  return static_cast<int>(2LL * done * 100 / (2LL * total + 1));
}

int DomainConvertRAZ2ODAVO::ConvertRows(DomainTaskRecord& record) {
  const int status_column = DomainOptionValues::GetInt(OPTION_STATUS_COLUMN);
  PdfService imager{};
  const bool imager_ready = CreatePdfService(&imager) == 0;

  int converted = 0;
  if (record.job) {
    for (const auto& entry : record.job->GetRows()) {
      const int result = ConvertRow(imager_ready ? &imager : nullptr, entry.first, entry.second, status_column);
      if (result == PDF_OK) ++converted;
      if (DomainRunState::IsStopRequested()) {
        // Rows after this one keep their status.
        QueueCellRender(entry.first, status_column, DhGridCellRenderCommandEvent::kStopped, 0);
        break;
      }
    }
  }

  if (imager_ready) FreePdfService(&imager);
  record.job.reset();
  return converted;
}

int DomainConvertRAZ2ODAVO::ConvertRow(PdfService* imager, int row, const wxArrayString& texts,
                                       int status_column) {
  const wxString source = GetSourcePath(texts);
  const int format = FormatCodeOf(ParseOutputType(GetOutputType(texts)));
  wxString out = FileUtil::UniqueDirName(OutputFolderFor(texts));

  int result = PDF_ERR_FORMAT;
  if (imager == nullptr) {
    result = PDF_ERR_INTERNAL;
  } else if (format >= 0) {
    // A row the library cannot take leaves no empty folder behind.
    FileUtil::MakeDir(out);
    const wxString pages = GetPageList(GetSelectedPages(texts), GetTotalPages(texts));
    ProgressContext context{this, row, status_column, -1, {}};
    result = imager->convert(imager, source.utf8_str().data(), pages.utf8_str().data(), format,
                             out.utf8_str().data(), &context, OnProgress);
  }

  if (result == PDF_OK)
    QueueCellRender(row, status_column, DhGridCellRenderCommandEvent::kProgress, 100);
  else
    QueueCellRender(row, status_column, DhGridCellRenderCommandEvent::kFailed, 0);
  LogEntry(source, out, result);
  return result;
}

wxString DomainConvertRAZ2ODAVO::OutputFolderFor(const wxArrayString& texts) {
  const bool beside_source = DomainOptionValues::GetInt(OPTION_SAVE_IN_SOURCE_DIR) != 0;
  const wxString folder = beside_source ? GetSourceDir(texts) : DomainOptionValues::Get(OPTION_OUTPUT_DIR);
  wxString out = JoinPath(folder, GetOutputName(texts));
  out.Replace("\\", "/");
  return out;
}

int DomainConvertRAZ2ODAVO::OnProgress(void* context, int done, int total) {
  if (DomainRunState::IsStopRequested()) return -2;
  auto* progress = static_cast<ProgressContext*>(context);
  const int percent = ProgressPercent(done, total);
  const auto now = std::chrono::steady_clock::now();
  // Only a grown percent is news, and no faster than a window can draw it;
  // the final state of the row is always sent after the library returns.
  const bool first = progress->last_percent < 0;
  const bool due = now - progress->last_sent >= std::chrono::milliseconds(kProgressIntervalMs);
  if (percent > progress->last_percent && (first || due)) {
    progress->driver->QueueCellRender(progress->row, progress->status_column,
                                      DhGridCellRenderCommandEvent::kProgress, percent);
    progress->last_percent = percent;
    progress->last_sent = now;
  }
  return 0;
}
