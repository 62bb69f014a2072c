// The launcher's PowerPoint double as a client in another process meets it: activation by program
// id through its local server, the running object table, by-reference arguments, and the end of
// its process. The launcher's tests rely on each of these.
#include <gtest/gtest.h>

#include "Automation.h"
#include "PowerPointDouble.h"

namespace {

class PowerPointDouble : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    log = dir.Path("calls.log");
    script = dir.Path("script.txt");
  }
  void TearDown() override {
    UnregisterPowerPointDouble();
    RestartRpcService();
    CoUninitialize();
  }
  void Script(const std::string& lines) {
    std::string text = "log=" + log + "\n" + lines;
    WriteFileBytes(script, std::vector<uint8_t>(text.begin(), text.end()));
    ASSERT_TRUE(RegisterPowerPointDouble(script));
  }
  static TDispatch Create() {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"PowerPoint.Application", &clsid))) return TDispatch();
    IDispatch* app = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(&app));
    EXPECT_EQ(hr, S_OK);
    return TDispatch::Adopt(SUCCEEDED(hr) ? app : nullptr);
  }
  static TDispatch Running() {
    CLSID clsid;
    IUnknown* unknown = nullptr;
    if (FAILED(CLSIDFromProgID(L"PowerPoint.Application", &clsid)) || FAILED(GetActiveObject(clsid, nullptr, &unknown)))
      return TDispatch();
    IDispatch* app = nullptr;
    unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&app));
    unknown->Release();
    return TDispatch::Adopt(app);
  }
  static int32_t ProcessId(IDispatch* app) {
    int32_t id = 0;
    Call(app, "Run", {TVariant(std::string("RuvoPresenter!GetProcessId")), TVariant::RefTo(id)});
    return id;
  }

  TTempDir dir;
  std::string log, script;
};

}  // namespace

TEST_F(PowerPointDouble, StartsByProgramIdAcrossProcessesAndTakesArgumentsByReference) {
  Script("version=12.0\nopen=C:\\Talks\\Before.ppt\nflag=false\n");
  TDispatch app = Create();
  ASSERT_TRUE(app);
  EXPECT_EQ(Get(app.Get(), "Version").AsText(), "12.0");
  TDispatch presentations = Get(app.Get(), "Presentations").AsDispatch();
  EXPECT_EQ(Get(presentations.Get(), "Count").AsInt32(), 1);

  int32_t id = ProcessId(app.Get());
  EXPECT_NE(id, 0);
  EXPECT_NE(DWORD(id), GetCurrentProcessId());

  // A string and a Boolean by reference: the macro sees them and its change comes back.
  BSTR file = TBstr("C:\\Talks\\Deck.ppt").Detach();
  VARIANT_BOOL flag = VARIANT_TRUE;
  Call(app.Get(), "Run",
       {TVariant(std::string("RuvoPresenter.ppa!LaunchRuvoPresenter")), TVariant::RefTo(file),
        TVariant::RefToBool(flag)});
  EXPECT_EQ(BstrToText(file), "C:\\Talks\\Deck.ppt");
  SysFreeString(file);
  EXPECT_EQ(flag, VARIANT_FALSE);
  EXPECT_EQ(Get(Get(app.Get(), "Presentations").AsDispatch().Get(), "Count").AsInt32(), 2);

  // The running object table hands out the same PowerPoint.
  TDispatch running = Running();
  ASSERT_TRUE(running);
  EXPECT_EQ(ProcessId(running.Get()), id);

  std::vector<TDoubleCall> calls = ReadDoubleLog(log);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().Pid, DWORD(id));
  EXPECT_EQ(CallsStartingWith(calls, "Run RuvoPresenter.ppa!LaunchRuvoPresenter"),
            std::vector<std::string>{"Run RuvoPresenter.ppa!LaunchRuvoPresenter \"C:\\Talks\\Deck.ppt\" -1"});

  // Quit ends its process.
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(id));
  ASSERT_NE(process, nullptr);
  Call(app.Get(), "Quit");
  running.Reset();
  presentations.Reset();
  app.Reset();
  EXPECT_EQ(WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
  CloseHandle(process);
  EXPECT_FALSE(Running());
}

TEST_F(PowerPointDouble, StartsAgainAfterItsProcessWasEndedFromOutside) {
  Script("");
  TDispatch app = Create();
  ASSERT_TRUE(app);
  int32_t id = ProcessId(app.Get());
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, DWORD(id));
  ASSERT_NE(process, nullptr);
  TerminateProcess(process, 0);
  EXPECT_EQ(WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
  CloseHandle(process);
  app.Reset();
  RestartRpcService();

  TDispatch again = Create();
  ASSERT_TRUE(again);
  int32_t second = ProcessId(again.Get());
  EXPECT_NE(second, id);
  Call(again.Get(), "Quit");
}

TEST_F(PowerPointDouble, NothingRegisteredGivesNoClass) {
  UnregisterPowerPointDouble();
  CLSID clsid;
  EXPECT_FALSE(SUCCEEDED(CLSIDFromProgID(L"PowerPoint.Application", &clsid)));
}
