#include "window/base/cjx_subject.h"

#include <cstddef>

#include "window/base/cjx_observer.h"

void CjxSubject::Attach(CjxObserver* observer) { observers_.push_back(observer); }

void CjxSubject::Notify(void* payload) {
  // Index loop: an observer may attach another while being told.
  for (std::size_t i = 0; i < observers_.size(); ++i) observers_[i]->Update(this, payload);
}

void CjxSubject::Send(int code, void* payload) {
  code_ = code;
  Notify(payload);
}
