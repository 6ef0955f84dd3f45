// Receiver side of the program's notifications.
#ifndef TARNLY_WINDOW_BASE_CJX_OBSERVER_H
#define TARNLY_WINDOW_BASE_CJX_OBSERVER_H

class CjxSubject;

class CjxObserver {
 public:
  virtual ~CjxObserver() = default;
  // Called once per notification.  Read the code from `subject` at the start:
  // an observer earlier in the list may have sent another notification.
  virtual void Update(CjxSubject* subject, void* payload) = 0;
};

#endif
