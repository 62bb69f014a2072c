// Test double of PowerPoint's object model as the presentation export uses it: in-process
// automation objects (IDispatch written by hand) with the members the export calls, a log of the
// calls in order, and injectable failures. TFakeDispatch is the building block for further
// stand-ins (the launcher's application object).
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <oaidl.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// An automation object whose members are handlers looked up by name (case-insensitive, as
// automation names are). Reference counted; deleted when the last reference goes.
class TFakeDispatch : public IDispatch {
 public:
  // Handles one call: flags are the DISPATCH_ flags, args in their natural order. Returns S_OK,
  // or fails through Raise.
  using TMember =
      std::function<HRESULT(WORD flags, const std::vector<VARIANT>& args, VARIANT* result, EXCEPINFO* error)>;

  explicit TFakeDispatch(std::string name, LONG* liveObjects = nullptr);
  virtual ~TFakeDispatch();
  void Add(const std::string& member, TMember handler);
  const std::string& Name() const { return name_; }
  LONG References() const { return refs_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* error, UINT* argError) override;

  // Fills error as an automation object reports a failure, and returns DISP_E_EXCEPTION.
  static HRESULT Raise(EXCEPINFO* error, const std::string& description);
  // What a member hands back, into a result the caller may leave null: an integer, a text, or a
  // new object whose only reference goes to the result.
  static HRESULT ReturnInt(VARIANT* result, int32_t value);
  static HRESULT ReturnText(VARIANT* result, const std::string& text);
  static HRESULT ReturnObject(VARIANT* result, TFakeDispatch* object);
  // A wide string as text in the system code page.
  static std::string Text(const wchar_t* text);

 private:
  std::string name_;
  LONG refs_ = 1;
  LONG* live_;
  std::vector<std::pair<std::string, TMember>> members_;  // DISPID = position + 1
};

// What a slide's Export does.
enum class TExportFault {
  None,          // writes the slide's picture
  Raise,         // fails with an automation error
  WriteNothing,  // returns without touching the file
  WriteEmpty,    // leaves an empty file under the name
};

struct TFakeSlide {
  int32_t SlideIndex = 0;
  std::vector<uint8_t> Png;  // what Export writes
  TExportFault Fault = TExportFault::None;
};

// The presentation and the objects reached from it: Slides (Count, Item), each slide (SlideIndex,
// Export), FullName, SlideShowSettings.NamedSlideShows (Count).
class TFakePowerPoint {
 public:
  TFakePowerPoint();
  ~TFakePowerPoint();
  TFakePowerPoint(const TFakePowerPoint&) = delete;
  TFakePowerPoint& operator=(const TFakePowerPoint&) = delete;

  std::string FullName;
  std::vector<TFakeSlide> Slides;
  int32_t NamedSlideShowCount = 0;
  // Answers to successive reads of Slides.Count; when they run out, the number of Slides.
  std::vector<int32_t> CountAnswers;
  // Runs inside Export (1-based item number, file name), before the picture is written.
  std::function<void(int32_t item, const std::string& fileName)> OnExport;
  // The text an Export with the Raise fault fails with.
  std::string ExportError = "Slide.Export : Invalid request.  The specified file cannot be written.";

  // A VARIANT holding a new reference to the presentation object; the caller clears it.
  VARIANT Presentation();
  IDispatch* PresentationObject() { return presentation_; }

  // "Object.Member" for each call, with the arguments of Item and Export: "Slides.Item(2)",
  // "Slide2.Export(png)".
  std::vector<std::string> Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // Objects of the double alive apart from the presentation.
  LONG LiveObjects() const { return live_ - 1; }
  // The time spent inside Export, writing pictures.
  double ExportSeconds() const { return exportSeconds_; }
  // The file names Export was given, in order.
  std::vector<std::string> ExportedFiles() const { return files_; }

 private:
  TFakeDispatch* NewSlides();
  TFakeDispatch* NewSlide(int32_t item);
  TFakeDispatch* NewSettings();
  HRESULT Export(int32_t item, const std::vector<VARIANT>& args, EXCEPINFO* error);

  LONG live_ = 0;
  TFakeDispatch* presentation_;
  std::vector<std::string> calls_;
  std::vector<std::string> files_;
  size_t countReads_ = 0;
  double exportSeconds_ = 0;
};
