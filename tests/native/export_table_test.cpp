// Every export must be guarded (an escaping exception ends PowerPoint) and listed in the .def.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {
std::string ReadAll(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string IdentifierBefore(const std::string& text, size_t paren) {
  size_t end = paren;
  while (end > 0 && text[end - 1] == ' ') --end;
  size_t start = end;
  while (start > 0 && (std::isalnum(static_cast<unsigned char>(text[start - 1])) || text[start - 1] == '_')) --start;
  return text.substr(start, end - start);
}

std::string WordAfterBrace(const std::string& text, size_t from) {
  size_t brace = text.find('{', text.find(')', from));
  size_t start = text.find_first_not_of(" \n", brace + 1);
  size_t end = text.find_first_of("( ", start);
  return text.substr(start, end - start);
}
}  // namespace

TEST(ExportTable, EveryExportIsGuardedAndListed) {
  fs::path root = RUVO_SOURCE_DIR;
  std::map<std::string, int> listed;
  std::istringstream def(ReadAll(root / "server" / "Ruvo_Server.def"));
  for (std::string line; std::getline(def, line);) {
    std::istringstream words(line);
    std::string name, ordinal;
    if (line.rfind("  ", 0) == 0 && words >> name >> ordinal && ordinal[0] == '@')
      listed[name] = std::stoi(ordinal.substr(1));
  }
  ASSERT_FALSE(listed.empty());

  std::map<std::string, bool> defined;
  for (const auto& entry : fs::recursive_directory_iterator(root / "server")) {
    if (entry.path().extension() != ".cpp") continue;
    std::string text = ReadAll(entry.path());
    for (const char* marker : {"RUVO_EXPORT(", "__attribute__((regparm(2)))"}) {
      for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
        if (text.compare(at, 12, "RUVO_EXPORT(") == 0 && text.compare(at, 19, "RUVO_EXPORT(type)") == 0) continue;
        size_t paren = text.find('(', text.find(')', at) + 1);
        if (std::string(marker).front() == '_') paren = text.find('(', text.find(")))", at) + 3);
        std::string name = IdentifierBefore(text, paren);
        defined[name] = true;
        EXPECT_EQ(WordAfterBrace(text, paren), "RUVO_GUARDED") << name << " in " << entry.path() << " is not guarded";
      }
    }
  }
  for (const auto& [name, ordinal] : listed) EXPECT_TRUE(defined.count(name)) << name << " @" << ordinal << " has no body";
  for (const auto& [name, _] : defined) EXPECT_TRUE(listed.count(name)) << name << " is missing from the .def";
}
