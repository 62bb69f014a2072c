// Every export, window procedure and callback runs its body in a try block that RUVO_CATCH ends:
// an exception must never unwind into PowerPoint's or VBA's frames, which would end PowerPoint.
#pragma once

#include <string>

// Whether a failure box forces itself in front of the other programs' windows.
enum class TFailureBox { Foreground, Plain };

// Shows the failure in a task-modal error box captioned "Ruvo Presenter".
void ReportFailure(const char* text, TFailureBox box = TFailureBox::Foreground) noexcept;
inline void ReportFailure(const std::string& text, TFailureBox box = TFailureBox::Foreground) noexcept {
  ReportFailure(text.c_str(), box);
}

// Reports the exception being handled; only for a catch block.
void ReportCurrentFailure() noexcept;

// Ends a try block: any exception is reported and the function returns fallback (nothing for void).
#define RUVO_CATCH(fallback) \
  catch (...) {              \
    ReportCurrentFailure();  \
    return fallback;         \
  }
