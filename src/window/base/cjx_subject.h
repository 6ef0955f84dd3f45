// Sender side of the program's notifications: an integer code written just
// before Notify, and the observers told in attach order.
#ifndef TARNLY_WINDOW_BASE_CJX_SUBJECT_H
#define TARNLY_WINDOW_BASE_CJX_SUBJECT_H

#include <vector>

#include "window/base/notify_codes.h"

class CjxObserver;

class CjxSubject {
 public:
  virtual ~CjxSubject() = default;

  // Appends `observer`; attaching it twice makes it hear everything twice.
  void Attach(CjxObserver* observer);
  // Calls Update(this, payload) on every observer, first to last.
  virtual void Notify(void* payload);
  // Sets the code and notifies: the usual way to send.
  void Send(int code, void* payload = nullptr);

  int GetCode() const { return code_; }
  void SetCode(int code) { code_ = code; }

 private:
  int code_ = 0;
  std::vector<CjxObserver*> observers_;  // not owned
};

#endif
