#include "domain/domain_run_state.h"

#include <atomic>

namespace {
// Written on the interface thread, read on the conversion thread.
std::atomic<int> run_state{DomainRunState::kIdle};
}  // namespace

int DomainRunState::Get() { return run_state.load(); }

void DomainRunState::Set(int state) { run_state.store(state); }
