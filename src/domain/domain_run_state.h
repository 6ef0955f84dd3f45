// The process-wide state of the conversion run.  The file list sets
// running when it starts a run and Stop sets stop requested; the
// conversion thread reads it between rows and in its progress function.
#ifndef TARNLY_DOMAIN_DOMAIN_RUN_STATE_H
#define TARNLY_DOMAIN_DOMAIN_RUN_STATE_H

class DomainRunState {
 public:
  enum State { kIdle = 0, kRunning = 1, kStopRequested = 2 };

  virtual ~DomainRunState() = default;

  static int Get();
  static void Set(int state);
  static bool IsStopRequested() { return Get() == kStopRequested; }
};

#endif
