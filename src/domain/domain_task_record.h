// The argument of a load or conversion task: the driver that does the work
// and the task's data.  Made on the interface thread, deleted by the task.
#ifndef TARNLY_DOMAIN_DOMAIN_TASK_RECORD_H
#define TARNLY_DOMAIN_DOMAIN_TASK_RECORD_H

#include <memory>

#include <wx/string.h>

#include "domain/domain_convert_job.h"

class DomainConvert;

struct DomainTaskRecord {
  DomainConvert* driver = nullptr;
  // Load tasks: the "|"-separated paths or the folder.
  std::unique_ptr<wxString> text;
  // Conversion task: the rows to convert; the conversion frees it when done.
  std::unique_ptr<DomainConvertJob> job;
};

#endif
