// Every export, window procedure and callback runs its body through RUVO_GUARDED: an exception
// must never unwind into PowerPoint's or VBA's frames, which would end PowerPoint.
#pragma once

#include <exception>
#include <new>

#include "RuvoError.h"

// Shows the failure in a task-modal message box captioned "Ruvo Presenter".
void ReportFailure(const char* text) noexcept;

#define RUVO_EXPORT(type) extern "C" type __stdcall

// Runs body; on any exception reports it and returns fallback.
#define RUVO_GUARDED(fallback, ...)                               \
  try {                                                           \
    __VA_ARGS__                                                   \
  } catch (const std::bad_alloc&) {                               \
    ReportFailure("Out of memory.");                              \
  } catch (const std::exception& e) {                             \
    ReportFailure(e.what());                                      \
  } catch (...) {                                                 \
    ReportFailure("An unexpected failure ended the operation.");  \
  }                                                               \
  return fallback;
