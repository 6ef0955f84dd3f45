// Base of the conversion drivers.  A driver knows one kind of source file:
// it turns paths into file list rows and converts a job (rows chosen in the
// file list) on a worker thread.  It reports only by queueing events to its
// owner (the file list's event handler); it never touches a window.
#ifndef TARNLY_DOMAIN_DOMAIN_CONVERT_H
#define TARNLY_DOMAIN_DOMAIN_CONVERT_H

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "domain/domain_task_record.h"
#include "domain/file_row_array.h"

class wxEvent;
class wxEvtHandler;
class wxTimer;

class DomainConvert {
 public:
  DomainConvert() = default;
  DomainConvert(const DomainConvert&) = delete;
  DomainConvert& operator=(const DomainConvert&) = delete;
  // Detaches the owner, stops a running conversion and waits for this
  // driver's tasks, so no worker outlives the driver.
  virtual ~DomainConvert();

  // One row per path of `text` (paths separated by "|").
  virtual std::unique_ptr<FileRowArray> LoadFiles(const wxString& text);
  // Marks problems of a new row: an existing file of size 0 is state 1.
  virtual void CheckRow(FileRowInfo& row);
  virtual wxString GetTargetExtension();
  virtual wxString GetFileFilter();
  virtual wxArrayString GetFileMasks();
  virtual bool IsSupportedExtension(const wxString& extension);
  // Percent for drivers that are polled; this one is not.
  virtual int GetProgress();
  // Converts the job of `record`; returns the number of rows converted.
  virtual int Convert(DomainTaskRecord& record);
  // Worker bodies of the add-folder and add-files commands.
  virtual void LoadFolderTask(std::unique_ptr<wxString> folder);
  virtual void LoadFilesTask(std::unique_ptr<wxString> text);
  // Asks the running conversion to end after its current step.
  virtual void Stop();

  // The file filter up to its first "|", e.g. "PDF files(*.pdf)".
  wxString GetFilterDescription();
  // Writes "label [path] [code]" to the run log.
  void LogEntry(const wxString& label, const wxString& path, int code);

  // Events go to `owner` and carry `owner_id` (the window's id).
  void SetOwner(wxEvtHandler* owner, int owner_id);
  // After this returns no event reaches the former owner; the owner calls
  // it before it goes away.
  void DetachOwner();

  // Starts a worker for the add-files command (paths separated by "|"),
  // the add-folder command or a conversion.  When no thread can be made the
  // owner gets the closing event at once (nothing loaded, 0 converted) so it
  // never waits for a task that does not run; the result is then false.
  bool StartLoadFiles(const wxString& paths);
  bool StartLoadFolder(const wxString& folder);
  bool StartConvert(std::unique_ptr<DomainConvertJob> job);
  // The body of a conversion task: "Begin" in the run log, Convert,
  // "Finish", then EVT_CONVERT_FINISHED with the number converted.
  int RunConversion(std::unique_ptr<DomainTaskRecord> record);
  // Blocks until no task of this driver runs any more.
  void WaitForTasks();

  // The files of `folder` (not its sub-folders) that match the masks,
  // sorted by name, with "/" as separator.
  wxArrayString ListFolderFiles(const wxString& folder);

  // Polling support for drivers that cannot send progress events.
  bool WantsPolling() const { return wants_polling_; }
  int GetPolledRow() const { return polled_row_; }
  int GetPolledColumn() const { return polled_column_; }
  // The file list leaves its progress timer here; the driver never touches
  // it from a worker thread.
  void SetProgressTimer(wxTimer* timer) { progress_timer_ = timer; }
  wxTimer* GetProgressTimer() const { return progress_timer_; }

  // Splits at "|": an empty piece between two bars counts, a trailing one
  // does not.
  static wxArrayString SplitPaths(const wxString& text);

 protected:
  // Size in bytes of the file at `path`; 0 when it names no file.
  static std::uint64_t ReadFileSize(const wxString& path);
  // Queues `event` to the owner, or deletes it when there is none.
  void QueueToOwner(wxEvent* event);
  void QueueCellRender(int row, int column, int state, int percent);
  // Call first thing in the destructor of every driver with state or
  // overrides, so workers never see a half-destroyed driver.
  void StopAndWait();

  bool wants_polling_ = true;
  int polled_row_ = -1;
  int polled_column_ = 0;

 private:
  enum TaskKind { kLoadTask, kConvertTask };
  bool StartTask(std::unique_ptr<DomainTaskRecord> record, TaskKind kind, void (*run)(void*));
  void BeginTask(TaskKind kind);
  void EndTask(TaskKind kind);
  void QueueFilesLoaded(std::unique_ptr<FileRowArray> rows);
  void QueueConvertFinished(int converted);
  // Worker body of the two load tasks: runs `Task` on the record's text.
  template <void (DomainConvert::*Task)(std::unique_ptr<wxString>)>
  static void RunLoad(void* argument);
  static void RunConvert(void* argument);

  wxTimer* progress_timer_ = nullptr;

  std::mutex owner_mutex_;
  wxEvtHandler* owner_ = nullptr;
  int owner_id_ = 0;

  std::mutex tasks_mutex_;
  std::condition_variable tasks_done_;
  int running_tasks_ = 0;
  int running_conversions_ = 0;
};

#endif
