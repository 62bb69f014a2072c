#include <gtest/gtest.h>

#include "LaunchCommandLine.h"
#include "PresenterRunRules.h"
#include "VersionText.h"

namespace {
using Args = std::vector<std::string>;
}

TEST(LaunchCommandLine, SplitsAsTheProgramsArgumentsAreRead) {
  const struct {
    const char* line;
    Args args;
  } cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"Ruvo_Presenter.exe -ld deck.ppt", {"Ruvo_Presenter.exe", "-ld", "deck.ppt"}},
      {"\"C:\\Program Files\\Ruvo\\Ruvo_Presenter.exe\" -LD \"C:\\My Talks\\deck.ppt\"",
       {"C:\\Program Files\\Ruvo\\Ruvo_Presenter.exe", "-LD", "C:\\My Talks\\deck.ppt"}},
      {"a\t\tb\r\nc", {"a", "b", "c"}},
      {"-ld \"  C:\\deck.ppt  \"", {"-ld", "  C:\\deck.ppt  "}},
      {"x\"y z\"w", {"xy zw"}},  // quotes inside an argument group too
      {"\"\" -ld", {"-ld"}},     // an empty pair at the start is skipped
      {"-ld \"C:\\unterminated", {"-ld", "C:\\unterminated"}},
      {"C:\\folder\\ -ld", {"C:\\folder\\", "-ld"}},  // a backslash escapes nothing
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(LaunchCommandLine, ReadsTheSwitchesInAnyCaseOnlyWithAFileAfterThem) {
  const struct {
    Args args;
    TLaunchMode mode;
    const char* file;
  } cases[] = {
      {{}, TLaunchMode::PresenterNoFile, ""},
      {{"-ld", "C:\\deck.ppt"}, TLaunchMode::Presenter, "C:\\deck.ppt"},
      {{"-LD", "C:\\deck.ppt"}, TLaunchMode::Presenter, "C:\\deck.ppt"},
      {{"-lD", "deck.ppt", "extra"}, TLaunchMode::Presenter, "deck.ppt"},
      {{"-ldm", "C:\\deck.ruvo"}, TLaunchMode::Module, "C:\\deck.ruvo"},
      {{"-LdM", "C:\\deck.ruvo"}, TLaunchMode::Module, "C:\\deck.ruvo"},
      {{"-ld", " \t C:\\My Talks\\deck.ppt \r\n"}, TLaunchMode::Presenter, "C:\\My Talks\\deck.ppt"},
      {{"-ld", "   "}, TLaunchMode::Presenter, ""},  // a blank file: the run ends, nothing opens
      {{"-ld"}, TLaunchMode::ShowWindow, ""},        // a switch without a file is none
      {{"-ldm"}, TLaunchMode::ShowWindow, ""},
      {{"C:\\deck.ppt"}, TLaunchMode::ShowWindow, ""},
      {{"deck.ppt", "-ld", "x"}, TLaunchMode::ShowWindow, ""},  // a switch counts only first
      {{"/ld", "deck.ppt"}, TLaunchMode::ShowWindow, ""},
      {{"-ldx", "deck.ppt"}, TLaunchMode::ShowWindow, ""},
      {{"-ld ", "deck.ppt"}, TLaunchMode::ShowWindow, ""},
  };
  for (const auto& c : cases) {
    TLaunchRequest r = ParseLaunchCommandLine(c.args);
    std::string shown = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(r.Mode, c.mode) << shown;
    EXPECT_EQ(r.FileName, c.file) << shown;
  }
}

TEST(VersionText, ReadsPointDecimalsOnlyAndNeedsTen) {
  const struct {
    const char* text;
    bool number;
    double value;
    bool supported;
  } cases[] = {
      {"10.0", true, 10.0, true},     {"11.0", true, 11.0, true},
      {"16.0", true, 16.0, true},     {"9.0", true, 9.0, false},
      {"9.99", true, 9.99, false},    {"10", true, 10.0, true},
      {" 12.0 ", true, 12.0, true},   {"9.99999999", true, 9.99999999, true},  // a float's 10
      {"10.", true, 10.0, true},      {".5", true, 0.5, false},
      {"-11.0", true, -11.0, false},  {"11,0", false, 0, false},
      {"1.234,5", false, 0, false},   {"10.0.1", false, 0, false},
      {"", false, 0, false},          {"   ", false, 0, false},
      {".", false, 0, false},         {"v11", false, 0, false},
      {"11.0 beta", false, 0, false}, {"1e1", false, 0, false},
      {"+", false, 0, false},
  };
  for (const auto& c : cases) {
    double v = -1;
    EXPECT_EQ(ParseVersionNumber(c.text, v), c.number) << c.text;
    if (c.number) {
      EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
    EXPECT_EQ(IsSupportedPowerPointVersion(c.text), c.supported) << c.text;
  }
}

TEST(PresenterRun, ListsEachPresentationOnceWithoutRegardToCase) {
  TPresentationNames names(CompareTextAscii);
  for (const char* n : {"C:\\Talks\\b.ppt", "C:\\TALKS\\B.PPT", "C:\\Talks\\a.ppt", "c:\\talks\\a.ppt", "D:\\z.ppt"})
    names.Add(n);
  EXPECT_EQ(names.Count(), 3u);
  EXPECT_TRUE(names.Contains("c:\\TALKS\\b.PPT"));
  EXPECT_TRUE(names.Contains("D:\\Z.PPT"));
  EXPECT_FALSE(names.Contains("C:\\Talks\\c.ppt"));
  EXPECT_FALSE(names.Contains("C:\\Talks\\b.ppt "));

  // Open before the run: kept; opened by the run: closed; without a list, everything is the run's.
  EXPECT_FALSE(IsPresentationOfTheRun(&names, "C:\\talks\\A.ppt"));
  EXPECT_TRUE(IsPresentationOfTheRun(&names, "C:\\Talks\\new.ppt"));
  EXPECT_TRUE(IsPresentationOfTheRun(nullptr, "C:\\Talks\\a.ppt"));
}

TEST(PresenterRun, WaitsOnlyOnHandlesThatExist) {
  const struct {
    bool process, eventMade, flag;
    bool waitProcess, waitEvent;
  } cases[] = {
      {true, true, true, true, true},     // started: the process and the exit event
      {true, false, false, true, false},  // attached: the process alone
      {true, false, true, true, false},   // the macro set the flag, but no event was made
      {true, true, false, true, false},   // the macro cleared the flag
      {false, true, true, false, true},   // no process handle: never a wait that ends at once
      {false, false, true, false, false},
  };
  for (const auto& c : cases) {
    TWaitPlan p = PlanWait(c.process, c.eventMade, c.flag);
    EXPECT_EQ(p.Process, c.waitProcess) << c.process << c.eventMade << c.flag;
    EXPECT_EQ(p.ExitEvent, c.waitEvent) << c.process << c.eventMade << c.flag;
  }
}

TEST(PresenterRun, TidiesUpByHowTheRunEndedAndWhoStartedPowerPoint) {
  const struct {
    TRunEnd end;
    bool started;
    bool close;
    TEndPowerPoint endPowerPoint;
  } cases[] = {
      {TRunEnd::ExitEventSet, true, true, TEndPowerPoint::EndProcess},
      {TRunEnd::ExitEventSet, false, true, TEndPowerPoint::No},
      {TRunEnd::PowerPointEnded, true, false, TEndPowerPoint::No},
      {TRunEnd::PowerPointEnded, false, false, TEndPowerPoint::No},
      {TRunEnd::WaitFailed, true, false, TEndPowerPoint::No},
      {TRunEnd::WaitFailed, false, false, TEndPowerPoint::No},
      {TRunEnd::LaunchFailed, true, false, TEndPowerPoint::Quit},
      {TRunEnd::LaunchFailed, false, false, TEndPowerPoint::No},
  };
  for (const auto& c : cases) {
    TTidyUp t = TidyUpAfter(c.end, c.started);
    EXPECT_EQ(t.ClosePresentations, c.close) << int(c.end) << c.started;
    EXPECT_EQ(t.EndPowerPoint, c.endPowerPoint) << int(c.end) << c.started;
  }
}
