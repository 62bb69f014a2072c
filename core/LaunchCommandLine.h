// The launcher's command line: split into arguments and read as one of its forms.
#pragma once

#include <string>
#include <vector>

// Splits a command line as the program's arguments are read: characters up to the space
// separate arguments, double quotes group blanks into one and are dropped, and an empty pair of
// quotes at an argument's start is skipped.
std::vector<std::string> SplitCommandLine(const std::string& line);

// The text without the characters up to the space at either end.
std::string TrimBlanks(const std::string& text);

enum class TLaunchMode {
  PresenterNoFile,  // no argument: a presenter run without a presentation
  Presenter,        // "-ld FILE": a presenter run with FILE, when it names an existing file
  Module,           // "-ldm FILE": a module run with FILE, when it names an existing file
  ShowWindow,       // anything else: the small main window until the user closes it
};

struct TLaunchRequest {
  TLaunchMode Mode = TLaunchMode::ShowWindow;
  std::string FileName;  // trimmed; may be empty
};

// Reads the arguments after the program name. A switch counts in any letter case, and only as the
// first argument with a file argument after it; arguments after the file are ignored.
TLaunchRequest ParseLaunchCommandLine(const std::vector<std::string>& args);
