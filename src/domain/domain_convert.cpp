#include "domain/domain_convert.h"

#include <utility>

#include <wx/event.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/tokenzr.h>

#include "common/file_util.h"
#include "common/task_thread.h"
#include "domain/dh_grid_cell_render_command_event.h"
#include "domain/domain_events.h"
#include "domain/domain_run_state.h"

DomainConvert::~DomainConvert() { StopAndWait(); }

std::unique_ptr<FileRowArray> DomainConvert::LoadFiles(const wxString& text) {
  auto rows = std::make_unique<FileRowArray>();
  for (const wxString& path : SplitPaths(text)) {
    FileRowInfo row(path);
    row.SetSize(ReadFileSize(path));
    CheckRow(row);
    rows->Add(row);
  }
  return rows;
}

void DomainConvert::CheckRow(FileRowInfo& row) {
  // A path that names no file also has size 0; the loader marks it itself.
  if (row.GetSize() == 0 && wxFileName::FileExists(row.GetPath())) row.SetState(FileRowInfo::kEmptyFile);
}

wxString DomainConvert::GetTargetExtension() { return wxString(); }

wxString DomainConvert::GetFileFilter() { return wxString(); }

wxArrayString DomainConvert::GetFileMasks() { return wxArrayString(); }

bool DomainConvert::IsSupportedExtension(const wxString&) { return false; }

int DomainConvert::GetProgress() { return 0; }

int DomainConvert::Convert(DomainTaskRecord& record) {
  record.job.reset();
  return 0;
}

void DomainConvert::LoadFolderTask(std::unique_ptr<wxString> folder) {
  const wxArrayString files = ListFolderFiles(*folder);
  if (files.IsEmpty()) {
    QueueFilesLoaded(nullptr);
    return;
  }
  wxString paths;
  for (const wxString& file : files) paths += file + "|";
  QueueFilesLoaded(LoadFiles(paths));
}

void DomainConvert::LoadFilesTask(std::unique_ptr<wxString> text) { QueueFilesLoaded(LoadFiles(*text)); }

void DomainConvert::Stop() { DomainRunState::Set(DomainRunState::kStopRequested); }

wxString DomainConvert::GetFilterDescription() { return GetFileFilter().BeforeFirst('|'); }

void DomainConvert::LogEntry(const wxString& label, const wxString& path, int code) {
  FileUtil::WriteLogLine(label + " [" + path + "] [" + wxString::Format("%d", code) + "]\n");
}

void DomainConvert::SetOwner(wxEvtHandler* owner, int owner_id) {
  std::lock_guard<std::mutex> lock(owner_mutex_);
  owner_ = owner;
  owner_id_ = owner_id;
}

void DomainConvert::DetachOwner() { SetOwner(nullptr, 0); }

bool DomainConvert::StartLoadFiles(const wxString& paths) {
  auto record = std::make_unique<DomainTaskRecord>();
  record->driver = this;
  record->text = std::make_unique<wxString>(paths);
  return StartTask(std::move(record), kLoadTask, RunLoad<&DomainConvert::LoadFilesTask>);
}

bool DomainConvert::StartLoadFolder(const wxString& folder) {
  auto record = std::make_unique<DomainTaskRecord>();
  record->driver = this;
  record->text = std::make_unique<wxString>(folder);
  return StartTask(std::move(record), kLoadTask, RunLoad<&DomainConvert::LoadFolderTask>);
}

bool DomainConvert::StartConvert(std::unique_ptr<DomainConvertJob> job) {
  // Stop is only ever asked on the interface thread, which is here now, so
  // no request can slip in between this and the worker's first check.
  DomainRunState::Set(DomainRunState::kRunning);
  auto record = std::make_unique<DomainTaskRecord>();
  record->driver = this;
  record->job = job ? std::move(job) : std::make_unique<DomainConvertJob>();
  return StartTask(std::move(record), kConvertTask, RunConvert);
}

bool DomainConvert::StartTask(std::unique_ptr<DomainTaskRecord> record, TaskKind kind,
                              void (*run)(void*)) {
  BeginTask(kind);
  DomainTaskRecord* argument = record.release();
  if (TaskThread::Start(argument, run)) return true;
  delete argument;
  if (kind == kConvertTask)
    QueueConvertFinished(0);
  else
    QueueFilesLoaded(nullptr);
  EndTask(kind);
  return false;
}

int DomainConvert::RunConversion(std::unique_ptr<DomainTaskRecord> record) {
  LogEntry(_("Begin"), wxString(), 0);
  const int converted = Convert(*record);
  LogEntry(_("Finish"), wxString(), 0);
  record.reset();
  QueueConvertFinished(converted);
  return converted;
}

void DomainConvert::WaitForTasks() {
  std::unique_lock<std::mutex> lock(tasks_mutex_);
  tasks_done_.wait(lock, [this] { return running_tasks_ == 0; });
}

wxArrayString DomainConvert::ListFolderFiles(const wxString& folder) {
  wxArrayString files;
  for (const wxString& mask : GetFileMasks()) FileUtil::ListFilesWithExtension(folder, files, mask);
  for (wxString& file : files) file.Replace("\\", "/");
  files.Sort();
  return files;
}

wxArrayString DomainConvert::SplitPaths(const wxString& text) {
  wxArrayString pieces;
  wxStringTokenizer tokenizer(text, "|", wxTOKEN_DEFAULT);
  while (tokenizer.HasMoreTokens()) pieces.Add(tokenizer.GetNextToken());
  return pieces;
}

std::uint64_t DomainConvert::ReadFileSize(const wxString& path) {
  if (path.IsEmpty() || !wxFileName::FileExists(path)) return 0;
  wxLogNull quiet;
  const wxULongLong size = wxFileName::GetSize(path);
  return size == wxInvalidSize ? 0 : size.GetValue();
}

void DomainConvert::QueueToOwner(wxEvent* event) {
  std::lock_guard<std::mutex> lock(owner_mutex_);
  if (owner_ == nullptr) {
    // Nobody to receive it: free what the receiver would have freed.
    if (auto* command = dynamic_cast<wxCommandEvent*>(event)) delete command->GetClientObject();
    delete event;
    return;
  }
  event->SetId(owner_id_);
  wxQueueEvent(owner_, event);
}

void DomainConvert::QueueCellRender(int row, int column, int state, int percent) {
  auto* event = new DhGridCellRenderCommandEvent(EVT_CELL_RENDER);
  event->SetRow(row);
  event->SetColumn(column);
  event->SetState(state);
  event->SetPercent(percent);
  QueueToOwner(event);
}

void DomainConvert::StopAndWait() {
  DetachOwner();
  bool converting = false;
  {
    std::lock_guard<std::mutex> lock(tasks_mutex_);
    converting = running_conversions_ > 0;
  }
  if (converting) Stop();
  WaitForTasks();
}

void DomainConvert::BeginTask(TaskKind kind) {
  std::lock_guard<std::mutex> lock(tasks_mutex_);
  ++running_tasks_;
  if (kind == kConvertTask) ++running_conversions_;
}

void DomainConvert::EndTask(TaskKind kind) {
  // The last touch of the driver by a worker: the destructor may run as
  // soon as the lock is released.
  std::lock_guard<std::mutex> lock(tasks_mutex_);
  --running_tasks_;
  if (kind == kConvertTask) --running_conversions_;
  tasks_done_.notify_all();
}

void DomainConvert::QueueFilesLoaded(std::unique_ptr<FileRowArray> rows) {
  auto* event = new wxCommandEvent(EVT_FILES_LOADED);
  event->SetInt(rows ? 1 : 0);
  event->SetClientObject(rows.release());
  QueueToOwner(event);
}

void DomainConvert::QueueConvertFinished(int converted) {
  auto* event = new wxCommandEvent(EVT_CONVERT_FINISHED);
  event->SetInt(converted);
  QueueToOwner(event);
}

template <void (DomainConvert::*Task)(std::unique_ptr<wxString>)>
void DomainConvert::RunLoad(void* argument) {
  std::unique_ptr<DomainTaskRecord> record(static_cast<DomainTaskRecord*>(argument));
  DomainConvert* driver = record->driver;
  (driver->*Task)(std::move(record->text));
  record.reset();
  driver->EndTask(kLoadTask);
}

void DomainConvert::RunConvert(void* argument) {
  std::unique_ptr<DomainTaskRecord> record(static_cast<DomainTaskRecord*>(argument));
  DomainConvert* driver = record->driver;
  driver->RunConversion(std::move(record));
  driver->EndTask(kConvertTask);
}
