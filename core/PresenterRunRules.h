// The decisions of the launcher's presenter run: which presentations it closes at the end, which
// handles it waits on, and what it tidies up after each way the run can end.
#pragma once

#include <string>
#include <vector>

// The full names of the presentations open before a run: sorted, each name once, compared
// without regard to case by the given comparison (the user's locale in the launcher).
class TPresentationNames {
 public:
  // Negative, zero or positive as a sorts before, with or after b.
  using TCompare = int (*)(const std::string& a, const std::string& b);
  explicit TPresentationNames(TCompare compare);
  // A name already in the list is not added again.
  void Add(const std::string& name);
  bool Contains(const std::string& name) const;
  size_t Count() const { return names_.size(); }

 private:
  TCompare compare_;
  std::vector<std::string> names_;
};

// Compares without regard to the case of ASCII letters.
int CompareTextAscii(const std::string& a, const std::string& b);

// Whether the run closes this presentation at its end: when PowerPoint was started for the run
// there is no list and every presentation is the run's; otherwise those not open before it.
bool IsPresentationOfTheRun(const TPresentationNames* openBefore, const std::string& fullName);

// The handles the run waits on, any one of which ends the wait. Only handles that exist are in:
// PowerPoint's process when it could be opened, and the exit event when the launcher made it and
// the launch macro left the flag set.
struct TWaitPlan {
  bool Process = false;
  bool ExitEvent = false;
};
TWaitPlan PlanWait(bool processOpen, bool exitEventMade, bool flagAfterLaunch);

enum class TRunEnd {
  ExitEventSet,     // the presenter window closed
  PowerPointEnded,  // PowerPoint's process ended: nothing in it can be reached any more
  WaitFailed,       // the wait itself failed: nothing is known, so nothing is touched
  LaunchFailed,     // the run failed before the wait: the version test, a macro, PowerPoint's process
};

enum class TEndPowerPoint { No, Quit, EndProcess };

struct TTidyUp {
  bool ClosePresentations = false;
  TEndPowerPoint EndPowerPoint = TEndPowerPoint::No;
};

// Whether PowerPoint is ended depends on whether the launcher started it, never on the flag the
// launch macro may have changed.
TTidyUp TidyUpAfter(TRunEnd end, bool startedByLauncher);
