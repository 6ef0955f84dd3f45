#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "window/base/cjx_observer.h"
#include "window/base/cjx_subject.h"

namespace {

// Records "name:code" for every notification it hears.
class Recorder : public CjxObserver {
 public:
  Recorder(std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {}
  void Update(CjxSubject* subject, void* payload) override {
    const int code = subject->GetCode();
    log_->push_back(name_ + ":" + std::to_string(code));
    if (on_update) on_update(subject, payload);
  }
  std::function<void(CjxSubject*, void*)> on_update;

 private:
  std::string name_;
  std::vector<std::string>* log_;
};

}  // namespace

TEST(Notifications, ObserversHearInAttachOrderWithThePayload) {
  std::vector<std::string> log;
  CjxSubject subject;
  Recorder first("first", &log), second("second", &log);
  int page = 7;
  int* seen = nullptr;
  second.on_update = [&](CjxSubject*, void* payload) { seen = static_cast<int*>(payload); };
  subject.Attach(&first);
  subject.Attach(&second);
  subject.Send(NOTIFY_PREVIEW_PAGE, &page);
  EXPECT_EQ(log, (std::vector<std::string>{"first:27", "second:27"}));
  EXPECT_EQ(seen, &page);
}

TEST(Notifications, AReentrantSendChangesTheCodeForLaterObservers) {
  std::vector<std::string> log;
  CjxSubject subject;
  Recorder first("first", &log), second("second", &log);
  first.on_update = [&](CjxSubject* s, void*) {
    if (s->GetCode() == NOTIFY_CONVERT_STARTING) s->Send(NOTIFY_CONVERT_LOCK);
  };
  subject.Attach(&first);
  subject.Attach(&second);
  subject.Send(NOTIFY_CONVERT_STARTING);
  // The nested notice reaches everyone first; the outer one then reaches the
  // second observer with the code the nested send left behind.
  EXPECT_EQ(log, (std::vector<std::string>{"first:3", "first:4", "second:4", "second:4"}));
}

TEST(Notifications, ASubjectWithoutObserversAcceptsNotify) {
  CjxSubject subject;
  subject.Send(NOTIFY_STOP);
  EXPECT_EQ(subject.GetCode(), NOTIFY_STOP);
}

TEST(Notifications, AttachingTwiceDeliversTwice) {
  std::vector<std::string> log;
  CjxSubject subject;
  Recorder only("only", &log);
  subject.Attach(&only);
  subject.Attach(&only);
  subject.Send(NOTIFY_CLEAR_ALL);
  EXPECT_EQ(log.size(), 2u);
}
