// Every export is listed in the .def, declared in RuvoServerExports.h and guarded as ExportGuard.h says.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {
std::string CodeWithoutSpaces(const fs::path& p) {
  std::ifstream in(p);
  std::string code;
  for (std::string line; std::getline(in, line); code += line.substr(0, line.find("//")))
    line.erase(std::remove_if(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c); }), line.end());
  return code;
}

// Just past the bracket that closes the one at `open`.
size_t Closing(const std::string& code, size_t open) {
  for (int depth = 0, o = code[open], c = o == '(' ? ')' : '}'; open < code.size(); ++open)
    if ((depth += (code[open] == o) - (code[open] == c)) == 0) return open + 1;
  return code.size();
}

// Each function an export marker opens, with the position of its parameter list.
std::map<std::string, size_t> Exports(const std::string& code) {
  std::map<std::string, size_t> found;
  for (const char* marker : {"RUVO_EXPORT(", "regparm(2)))"})
    for (size_t at = code.find(marker); at != std::string::npos; at = code.find(marker, at + 1)) {
      // The name runs from the end of the return type to the parameter list.
      size_t open = code.find('(', code.find(')', at) + 1), start = code.find_last_of(")*", open) + 1;
      if (code.find('"', start) > open) found[code.substr(start, open - start)] = open;  // not the macro's definition
    }
  return found;
}

bool Guarded(const std::string& code, size_t params) {
  size_t at = Closing(code, params), end = Closing(code, std::min(at + 12, code.size() - 1));
  return code.compare(at, 13, "noexcept{try{") == 0 && code.compare(end, 11, "RUVO_CATCH(") == 0 &&
         code.compare(Closing(code, end + 10), 1, "}") == 0;
}
}  // namespace

TEST(ExportTable, EveryExportIsListedDeclaredAndGuarded) {
  fs::path server = fs::path(RUVO_SOURCE_DIR) / "server";
  std::set<std::string> listed, declared, defined;
  std::ifstream def(server / "Ruvo_Server.def");
  for (std::string word, previous; def >> word; previous = word)
    if (word[0] == '@') listed.insert(previous);
  for (const auto& [name, _] : Exports(CodeWithoutSpaces(server / "RuvoServerExports.h"))) declared.insert(name);
  for (const auto& file : fs::recursive_directory_iterator(server)) {
    if (file.path().extension() != ".cpp") continue;
    std::string code = CodeWithoutSpaces(file.path());
    for (const auto& [name, params] : Exports(code))
      EXPECT_TRUE(defined.insert(name).second && Guarded(code, params)) << name << " is defined twice or unguarded";
  }
  for (const auto& name : listed)
    EXPECT_TRUE(defined.count(name) && declared.count(name)) << name << " lacks a body or a declaration";
  for (const auto& name : defined) EXPECT_TRUE(listed.count(name)) << name << " is missing from the .def";
  for (const auto& name : declared) EXPECT_TRUE(listed.count(name)) << name << " is declared, not listed";
}
