// The presenter functions and the mailbox readers as the add-in declares them, and the add-in's
// way of reading a command.
#pragma once

#include <cstring>
#include <string>

#include "AddIn.h"

struct TPresenterApi {
  using H = void*;
  explicit TPresenterApi(const TAddIn& a)
      : CreatePresenter(a.Fn<H(__stdcall*)()>("CreatePresenter")),
        ShowPresenter(a.Fn<void(__stdcall*)()>("ShowPresenter")),
        HidePresenter(a.Fn<void(__stdcall*)()>("HidePresenter")),
        ClosePresenter(a.Fn<void(__stdcall*)()>("ClosePresenter")),
        SetFocusOnPresenter(a.Fn<void(__stdcall*)()>("SetFocusOnPresenter")),
        CreateSSWForm(a.Fn<void(__stdcall*)(const char*, H, H)>("CreateSSWForm")),
        DestroySSWForm(a.Fn<void(__stdcall*)(const char*)>("DestroySSWForm")),
        ShowSSWForm(a.Fn<void(__stdcall*)(const char*)>("ShowSSWForm")),
        HideSSWForm(a.Fn<void(__stdcall*)(const char*)>("HideSSWForm")),
        ShowNotes(a.Fn<void(__stdcall*)(const char*)>("ShowNotes")),
        HideNotes(a.Fn<void(__stdcall*)(const char*)>("HideNotes")),
        UpdateNotesText(a.Fn<void(__stdcall*)(const char*, const wchar_t*)>("UpdateNotesText")),
        UpdateSlideImagesIndex(
            a.Fn<void(__stdcall*)(const char*, int32_t, int32_t, int32_t)>("UpdateSlideImagesIndex")),
        UpdateCurrentAnimationsCount(
            a.Fn<void(__stdcall*)(const char*, int32_t, int32_t)>("UpdateCurrentAnimationsCount")),
        ShowMediaControls(a.Fn<void(__stdcall*)(const char*, int32_t)>("ShowMediaControls")),
        SetMediaState(a.Fn<void(__stdcall*)(const char*, int32_t)>("SetMediaState")),
        ShowPresenterFrame(a.Fn<void(__stdcall*)(const char*)>("ShowPresenterFrame")),
        ShowShowButton(a.Fn<void(__stdcall*)(const char*)>("ShowShowButton")),
        ShowBlankButton(a.Fn<void(__stdcall*)(const char*)>("ShowBlankButton")),
        ShowPresentationSelectorFrame(a.Fn<void(__stdcall*)()>("ShowPresentationSelectorFrame")),
        ShowPresentationSelectionSelectorFrame(a.Fn<void(__stdcall*)()>("ShowPresentationSelectionSelectorFrame")),
        ShowPresentationManageSelectorFrame(a.Fn<void(__stdcall*)()>("ShowPresentationManageSelectorFrame")),
        ShowFileBrowserFrame(a.Fn<void(__stdcall*)()>("ShowFileBrowserFrame")),
        LoadSelectorThumbnail(a.Fn<void(__stdcall*)(int32_t, H, H, int32_t, const char*)>("LoadSelectorThumbnail")),
        SwapSelectorThumbnail(a.Fn<void(__stdcall*)(int32_t, int32_t)>("SwapSelectorThumbnail")),
        GetCurrentSelectorLevel(a.Fn<int32_t(__stdcall*)()>("GetCurrentSelectorLevel")),
        GetMinSelectorLevel(a.Fn<int32_t(__stdcall*)()>("GetMinSelectorLevel")),
        GetMaxSelectorLevel(a.Fn<int32_t(__stdcall*)()>("GetMaxSelectorLevel")),
        SetSelectorLevel(a.Fn<void(__stdcall*)(int32_t)>("SetSelectorLevel")),
        GetSelectorDimensions(a.Fn<void(__stdcall*)(int32_t, int32_t*, int32_t*)>("GetSelectorDimensions")),
        GetCommand(a.Fn<int32_t(__stdcall*)(char*, int32_t*, int32_t*)>("GetCommand")),
        GetCommandParam1Int(a.Fn<void(__stdcall*)(int32_t*)>("GetCommandParam1Int")),
        GetCommandParam2String(a.Fn<int32_t(__stdcall*)(char*)>("GetCommandParam2String")) {}

  H(__stdcall* CreatePresenter)();
  void(__stdcall* ShowPresenter)();
  void(__stdcall* HidePresenter)();
  void(__stdcall* ClosePresenter)();
  void(__stdcall* SetFocusOnPresenter)();
  void(__stdcall* CreateSSWForm)(const char*, H, H);
  void(__stdcall* DestroySSWForm)(const char*);
  void(__stdcall* ShowSSWForm)(const char*);
  void(__stdcall* HideSSWForm)(const char*);
  void(__stdcall* ShowNotes)(const char*);
  void(__stdcall* HideNotes)(const char*);
  void(__stdcall* UpdateNotesText)(const char*, const wchar_t*);
  void(__stdcall* UpdateSlideImagesIndex)(const char*, int32_t, int32_t, int32_t);
  void(__stdcall* UpdateCurrentAnimationsCount)(const char*, int32_t, int32_t);
  void(__stdcall* ShowMediaControls)(const char*, int32_t);
  void(__stdcall* SetMediaState)(const char*, int32_t);
  void(__stdcall* ShowPresenterFrame)(const char*);
  void(__stdcall* ShowShowButton)(const char*);
  void(__stdcall* ShowBlankButton)(const char*);
  void(__stdcall* ShowPresentationSelectorFrame)();
  void(__stdcall* ShowPresentationSelectionSelectorFrame)();
  void(__stdcall* ShowPresentationManageSelectorFrame)();
  void(__stdcall* ShowFileBrowserFrame)();
  void(__stdcall* LoadSelectorThumbnail)(int32_t, H, H, int32_t, const char*);
  void(__stdcall* SwapSelectorThumbnail)(int32_t, int32_t);
  int32_t(__stdcall* GetCurrentSelectorLevel)();
  int32_t(__stdcall* GetMinSelectorLevel)();
  int32_t(__stdcall* GetMaxSelectorLevel)();
  void(__stdcall* SetSelectorLevel)(int32_t);
  void(__stdcall* GetSelectorDimensions)(int32_t, int32_t*, int32_t*);
  int32_t(__stdcall* GetCommand)(char*, int32_t*, int32_t*);
  void(__stdcall* GetCommandParam1Int)(int32_t*);
  int32_t(__stdcall* GetCommandParam2String)(char*);
};

// A command as the add-in reads it: id 0 when none was pending.
struct TCommandRead {
  int32_t Id = 0;
  std::string Name;
  int32_t Param1 = 0;
  std::string Param2;
  bool operator==(const TCommandRead& o) const {
    return Id == o.Id && Name == o.Name && Param1 == o.Param1 && Param2 == o.Param2;
  }
};

inline TCommandRead ReadCommand(const TPresenterApi& api) {
  TCommandRead c;
  char name[1024] = "";
  int32_t len = 0;
  if (!api.GetCommand(name, &len, &c.Id) || !c.Id) return TCommandRead{};
  c.Name = name;
  api.GetCommandParam1Int(&c.Param1);
  char param2[1024] = "";
  api.GetCommandParam2String(param2);
  c.Param2 = param2;
  return c;
}
