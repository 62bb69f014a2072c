// The module functions as the add-in declares them.
#pragma once

#include "AddIn.h"

struct TModuleApi {
  using H = void*;
  explicit TModuleApi(const TAddIn& a)
      : Create(a.Fn<H(__stdcall*)()>("CreateDesignerModule")),
        Destroy(a.Fn<void(__stdcall*)(H)>("DestroyDesignerModule")),
        SetParams(a.Fn<void(__stdcall*)(H, int32_t, const char*, int32_t, int32_t)>("SetDesignerModuleParams")),
        GetParams(a.Fn<void(__stdcall*)(H, int32_t, char*, int32_t*, int32_t*, int32_t*)>("GetDesignerModuleParams")),
        Find(a.Fn<int32_t*(__attribute__((regparm(2))) *)(H, int32_t)>("FindSlideInfo")),
        SetSlide(a.Fn<void(__stdcall*)(H, int32_t, int32_t, int32_t, int32_t, int32_t)>("SetSlideInfoParams")),
        GetSlide(a.Fn<void(__stdcall*)(H, int32_t, int32_t*, int32_t*, int32_t*, int32_t*)>("GetSlideInfoParams")),
        SetShow(a.Fn<void(__stdcall*)(H, int32_t, int32_t, const char*, int32_t, int32_t)>("SetSlideShowInfoParams")),
        GetShow(
            a.Fn<void(__stdcall*)(H, int32_t, int32_t, char*, int32_t*, int32_t*, int32_t*)>("GetSlideShowInfoParams")),
        SetShowIndex(a.Fn<void(__stdcall*)(H, int32_t, int32_t, int32_t)>("SetSlideShowInfoIndices")),
        NewFile(a.Fn<H(__stdcall*)(const char*)>("CreateDesignerModuleFile")),
        OpenFile(a.Fn<H(__stdcall*)(const char*)>("OpenDesignerModuleFile")),
        CloseFile(a.Fn<void(__stdcall*)(H)>("CloseDesignerModuleFile")),
        Write(a.Fn<void(__stdcall*)(H, H)>("WriteDesignerModuleToFile")),
        Read(a.Fn<void(__stdcall*)(H, H)>("ReadDesignerModuleFromFile")),
        WriteSlide(a.Fn<void(__stdcall*)(H, const char*, int32_t*, int32_t*, int32_t*)>("WriteSlideToFile")),
        Extract(a.Fn<void(__stdcall*)(H, const char*, int32_t, int32_t)>("ExtractSlideFromFile")) {}

  H(__stdcall* Create)();
  void(__stdcall* Destroy)(H);
  void(__stdcall* SetParams)(H, int32_t, const char*, int32_t, int32_t);
  void(__stdcall* GetParams)(H, int32_t, char*, int32_t*, int32_t*, int32_t*);
  int32_t*(__attribute__((regparm(2))) * Find)(H, int32_t);
  void(__stdcall* SetSlide)(H, int32_t, int32_t, int32_t, int32_t, int32_t);
  void(__stdcall* GetSlide)(H, int32_t, int32_t*, int32_t*, int32_t*, int32_t*);
  void(__stdcall* SetShow)(H, int32_t, int32_t, const char*, int32_t, int32_t);
  void(__stdcall* GetShow)(H, int32_t, int32_t, char*, int32_t*, int32_t*, int32_t*);
  void(__stdcall* SetShowIndex)(H, int32_t, int32_t, int32_t);
  H(__stdcall* NewFile)(const char*);
  H(__stdcall* OpenFile)(const char*);
  void(__stdcall* CloseFile)(H);
  void(__stdcall* Write)(H, H);
  void(__stdcall* Read)(H, H);
  void(__stdcall* WriteSlide)(H, const char*, int32_t*, int32_t*, int32_t*);
  void(__stdcall* Extract)(H, const char*, int32_t, int32_t);
};
