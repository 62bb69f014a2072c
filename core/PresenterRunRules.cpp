#include "PresenterRunRules.h"

#include <algorithm>

TPresentationNames::TPresentationNames(TCompare compare) : compare_(compare) {}

void TPresentationNames::Add(const std::string& name) {
  auto at = std::lower_bound(names_.begin(), names_.end(), name,
                             [this](const std::string& a, const std::string& b) { return compare_(a, b) < 0; });
  if (at == names_.end() || compare_(*at, name) != 0) names_.insert(at, name);
}

bool TPresentationNames::Contains(const std::string& name) const {
  auto at = std::lower_bound(names_.begin(), names_.end(), name,
                             [this](const std::string& a, const std::string& b) { return compare_(a, b) < 0; });
  return at != names_.end() && compare_(*at, name) == 0;
}

int CompareTextAscii(const std::string& a, const std::string& b) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : int(c); };
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int d = lower(static_cast<unsigned char>(a[i])) - lower(static_cast<unsigned char>(b[i]));
    if (d) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool IsPresentationOfTheRun(const TPresentationNames* openBefore, const std::string& fullName) {
  return !openBefore || !openBefore->Contains(fullName);
}

TWaitPlan PlanWait(bool processOpen, bool exitEventMade, bool flagAfterLaunch) {
  TWaitPlan plan;
  plan.Process = processOpen;
  plan.ExitEvent = exitEventMade && flagAfterLaunch;
  return plan;
}

TTidyUp TidyUpAfter(TRunEnd end, bool startedByLauncher) {
  TTidyUp t;
  switch (end) {
    case TRunEnd::ExitEventSet:
      t.ClosePresentations = true;
      if (startedByLauncher) t.EndPowerPoint = TEndPowerPoint::EndProcess;
      break;
    case TRunEnd::LaunchFailed:
      if (startedByLauncher) t.EndPowerPoint = TEndPowerPoint::Quit;
      break;
    case TRunEnd::PowerPointEnded:
    case TRunEnd::WaitFailed:
      break;
  }
  return t;
}
