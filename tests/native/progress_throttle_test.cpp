// Pacing of progress reports: what reaches the progress window, on a clock the test moves.
#include <gtest/gtest.h>

#include "ProgressThrottle.h"

namespace {

// Records what reaches it; each call costs `cost` seconds of the shared clock.
struct TCostlyProgress : TCopyProgress {
  double& now;
  double cost;
  std::vector<std::string> seen;
  TCostlyProgress(double& clock, double c) : now(clock), cost(c) {}
  void SetParams(int32_t position, int32_t, int32_t max) override {
    now += cost;
    seen.push_back("range " + std::to_string(position) + "-" + std::to_string(max));
  }
  void SetPosition(int32_t position) override {
    now += cost;
    seen.push_back("at " + std::to_string(position));
  }
  void ProcessMessages() override {
    now += cost;
    seen.push_back("messages");
  }
};

}  // namespace

TEST(ProgressThrottle, ReportsArePacedByTheirOwnCost) {
  const struct {
    double cost;  // of each report
    double step;  // work between two reports
    std::vector<std::string> seen;
  } cases[] = {
      // Cheap reports: at most every 0.1 s.
      {0.001, 0.03, {"range 0-10", "messages", "at 4", "messages", "at 8", "messages", "at 10"}},
      // Dear reports (0.05 s): at most every 1 s, but the range and the end always.
      {0.05, 0.03, {"range 0-10", "messages", "at 10"}},
      // Work slower than the pace: every report passes.
      {0.001, 0.5, {"range 0-10", "messages", "at 1",     "messages", "at 2",     "messages", "at 3",
                    "messages",   "at 4",     "messages", "at 5",     "messages", "at 6",     "messages",
                    "at 7",       "messages", "at 8",     "messages", "at 9",     "messages", "at 10"}},
  };
  for (const auto& c : cases) {
    double now = 0;
    TCostlyProgress target(now, c.cost);
    TProgressThrottle throttle(target, [&] { return now; });
    throttle.SetParams(0, 0, 10);
    for (int32_t i = 1; i <= 10; ++i) {
      now += c.step;
      throttle.ProcessMessages();
      throttle.SetPosition(i);
    }
    EXPECT_EQ(target.seen, c.seen) << c.cost << " / " << c.step;
  }
}
