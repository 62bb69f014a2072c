#include "LaunchCommandLine.h"

namespace {
bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string AsciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t at = 0, n = line.size();
  for (;;) {
    for (;;) {
      while (at < n && Blank(line[at])) ++at;
      if (at + 1 < n && line[at] == '"' && line[at + 1] == '"')
        at += 2;
      else
        break;
    }
    if (at >= n) return args;
    std::string arg;
    bool quoted = false;
    for (; at < n && (quoted || !Blank(line[at])); ++at) {
      if (line[at] == '"')
        quoted = !quoted;
      else
        arg += line[at];
    }
    args.push_back(arg);
  }
}

std::string TrimBlanks(const std::string& text) {
  size_t from = 0, to = text.size();
  while (from < to && Blank(text[from])) ++from;
  while (to > from && Blank(text[to - 1])) --to;
  return text.substr(from, to - from);
}

TLaunchRequest ParseLaunchCommandLine(const std::vector<std::string>& args) {
  TLaunchRequest r;
  if (args.empty()) {
    r.Mode = TLaunchMode::PresenterNoFile;
    return r;
  }
  if (args.size() < 2) return r;
  std::string sw = AsciiLower(args[0]);
  if (sw == "-ld")
    r.Mode = TLaunchMode::Presenter;
  else if (sw == "-ldm")
    r.Mode = TLaunchMode::Module;
  else
    return r;
  r.FileName = TrimBlanks(args[1]);
  return r;
}
