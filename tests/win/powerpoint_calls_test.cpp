// The launcher's calls on PowerPoint's object model, in this process against stand-in objects:
// the presentations it lists and closes, the version text, and the macros' by-reference arguments.
#include <gtest/gtest.h>

#include "FakePowerPoint.h"
#include "launcher/PowerPointCalls.h"

namespace {

// An application object with open presentations, recording what it is asked.
class TFakeApp {
 public:
  explicit TFakeApp(std::vector<std::string> open) : open_(std::move(open)), app_(new TFakeDispatch("Application")) {
    app_->Add("Presentations", [this](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
      return TFakeDispatch::ReturnObject(result, NewPresentations());
    });
    app_->Add("Version", [this](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
      VariantInit(result);
      return VariantCopy(result, &Version);
    });
    app_->Add("Run", [this](WORD, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO*) {
      VariantInit(result);
      RunArgs = args;
      if (OnRun) OnRun(args);
      return S_OK;
    });
    VariantInit(&Version);
  }
  ~TFakeApp() {
    VariantClear(&Version);
    app_->Release();
  }
  IDispatch* App() { return app_; }
  const std::vector<std::string>& Open() const { return open_; }

  std::vector<std::string> Closed;
  VARIANT Version;
  std::vector<VARIANT> RunArgs;
  std::function<void(const std::vector<VARIANT>&)> OnRun;

 private:
  TFakeDispatch* NewPresentations() {
    auto* c = new TFakeDispatch("Presentations");
    c->Add("Count", [this](WORD, const std::vector<VARIANT>&, VARIANT* result, EXCEPINFO*) {
      return TFakeDispatch::ReturnInt(result, int32_t(open_.size()));
    });
    c->Add("Item", [this](WORD, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error) {
      LONG i = args.size() == 1 && args[0].vt == VT_I4 ? args[0].lVal : 0;
      if (i < 1 || size_t(i) > open_.size()) return TFakeDispatch::Raise(error, "Item out of range");
      std::string name = open_[size_t(i) - 1];
      auto* p = new TFakeDispatch("Presentation");
      p->Add("FullName", [name](WORD, const std::vector<VARIANT>&, VARIANT* r, EXCEPINFO*) {
        return TFakeDispatch::ReturnText(r, name);
      });
      p->Add("Close", [this, i](WORD, const std::vector<VARIANT>&, VARIANT* r, EXCEPINFO*) {
        VariantInit(r);
        Closed.push_back(open_[size_t(i) - 1]);
        open_.erase(open_.begin() + (i - 1));
        return S_OK;
      });
      return TFakeDispatch::ReturnObject(result, p);
    });
    return c;
  }
  std::vector<std::string> open_;
  TFakeDispatch* app_;
};

}  // namespace

TEST(PowerPointCalls, ClosesOnlyThePresentationsOfTheRunWhereverTheyLie) {
  TFakeApp ppt({"C:\\Talks\\Before.ppt", "C:\\TALKS\\before.ppt", "D:\\Kept.pps"});
  TPresentationNames before(CompareTextLocale);
  CollectOpenPresentations(ppt.App(), before);
  EXPECT_EQ(before.Count(), 2u);  // two names that differ in case only are one

  // The run opens three more, between and after the old ones.
  TFakeApp later(
      {"C:\\Run\\One.ppt", "C:\\Talks\\before.PPT", "C:\\Run\\Two.ppt", "D:\\kept.pps", "C:\\Run\\Three.ppt"});
  CloseNewPresentations(later.App(), &before);
  EXPECT_EQ(later.Closed, (std::vector<std::string>{"C:\\Run\\Three.ppt", "C:\\Run\\Two.ppt", "C:\\Run\\One.ppt"}));
  EXPECT_EQ(later.Open(), (std::vector<std::string>{"C:\\Talks\\before.PPT", "D:\\kept.pps"}));

  // Without a list, PowerPoint was the run's and everything closes.
  CloseNewPresentations(later.App(), nullptr);
  EXPECT_TRUE(later.Open().empty());
}

TEST(PowerPointCalls, ReadsTheVersionAsPointDecimalText) {
  TFakeApp ppt({});
  ppt.Version.vt = VT_BSTR;
  ppt.Version.bstrVal = TBstr("11.0").Detach();
  EXPECT_EQ(PowerPointVersion(ppt.App()), "11.0");
  VariantClear(&ppt.Version);
  // A number is written with "." whatever the user's locale says.
  ppt.Version.vt = VT_R8;
  ppt.Version.dblVal = 12.5;
  EXPECT_EQ(PowerPointVersion(ppt.App()), "12.5");
  VariantClear(&ppt.Version);
  ppt.Version.vt = VT_NULL;
  EXPECT_EQ(PowerPointVersion(ppt.App()), "");
}

TEST(PowerPointCalls, PassesTheMacrosArgumentsByReference) {
  TFakeApp ppt({});
  ppt.OnRun = [](const std::vector<VARIANT>& args) {
    if (args.size() == 2 && args[1].vt == (VT_BYREF | VT_I4)) *args[1].plVal = 4242;
    if (args.size() == 3 && args[2].vt == (VT_BYREF | VT_BOOL)) *args[2].pboolVal = VARIANT_FALSE;
  };
  EXPECT_EQ(RunGetProcessId(ppt.App()), 4242);
  ASSERT_EQ(ppt.RunArgs.size(), 2u);

  VARIANT_BOOL flag = VARIANT_TRUE;
  std::string seen;
  ppt.OnRun = [&](const std::vector<VARIANT>& args) {
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(args[0].vt, VT_BSTR);
    seen =
        BstrToText(args[0].bstrVal) + "|" + (args[1].vt == (VT_BYREF | VT_BSTR) ? BstrToText(*args[1].pbstrVal) : "?");
    EXPECT_EQ(args[2].vt, VT_BYREF | VT_BOOL);
    *args[2].pboolVal = VARIANT_FALSE;
  };
  RunLaunchPresenter(ppt.App(), "C:\\Talks\\deck.ppt", flag);
  EXPECT_EQ(seen, "RuvoPresenter.ppa!LaunchRuvoPresenter|C:\\Talks\\deck.ppt");
  EXPECT_EQ(flag, VARIANT_FALSE);

  ppt.OnRun = [&](const std::vector<VARIANT>& args) {
    ASSERT_EQ(args.size(), 2u);
    seen =
        BstrToText(args[0].bstrVal) + "|" + (args[1].vt == (VT_BYREF | VT_BSTR) ? BstrToText(*args[1].pbstrVal) : "?");
  };
  RunLaunchDesignerModule(ppt.App(), "C:\\Talks\\deck.ruvo");
  EXPECT_EQ(seen, "RuvoPresenter.ppa!LaunchRuvoDesignerModule|C:\\Talks\\deck.ruvo");
}
