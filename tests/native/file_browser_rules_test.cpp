// The file browser's decisions: masks and filters, the start drive and folder, the folder list's
// entries, and where its parts lie.
#include <gtest/gtest.h>

#include <map>

#include "FileBrowserLayout.h"
#include "FileMask.h"
#include "FolderTree.h"
#include "StartDrive.h"

TEST(FileBrowserRules, MasksOfSeveralPatterns) {
  const struct {
    const char *name, *mask;
    bool matches;
  } cases[] = {
      {"Talk.ruvo", "*.ruvo", true},
      {"TALK.RUVO", "*.ruvo", true},
      {"talk.ruvo.bak", "*.ruvo", false},
      {"talk.ruv", "*.ruvo", false},
      {"deck.ppt", "*.ppt;*.pps", true},
      {"deck.pps", "*.ppt;*.pps", true},
      {"deck.pptx", "*.ppt;*.pps", false},  // no short-name match as FindFirstFile would make
      {"deck.pot", "*.ppt;*.pps", false},
      {"deck.pps", ";;*.pps;", true},  // empty patterns are skipped
      {"deck.pps", "", false},
      {"README", "*.*", true},  // "*.*" takes names without an extension
      {"a.b.c", "*.*", true},
      {"x", "?", true},
      {"xy", "?", false},
      {"a1b2.txt", "a*b?.t*", true},
      {"aaa", "*a*a*a*", true},
      {"aa", "*a*a*a*", false},
      {"data", "da*.*", true},
      {"dot.", "*.", true},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
}

TEST(FileBrowserRules, FilterEntriesAndTheAutomaticPick) {
  std::vector<TFilterEntry> entries =
      ParseFilter("Ruvo Modules|*.ruvo|Microsoft Office PowerPoint files|*.ppt;*.pps|All files (*.*)|*.*");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].Description, "Microsoft Office PowerPoint files");
  EXPECT_EQ(entries[1].Mask, "*.ppt;*.pps");
  EXPECT_EQ(entries[2].Mask, "*.*");
  EXPECT_EQ(ParseFilter("Only|").size(), 1u);
  EXPECT_EQ(ParseFilter("Lonely")[0].Mask, "");
  EXPECT_TRUE(ParseFilter("").empty());

  const struct {
    std::vector<std::string> names;
    size_t pick;
  } cases[] = {
      {{"a.ruvo", "b.ruvo"}, 0},
      {{"x.ppt", "y.pps"}, 1},  // presentations only
      {{"y.PPS", "notes.txt"}, 1},
      {{"x.ppt", "a.ruvo"}, 0},      // both: modules first
      {{"notes.txt", "README"}, 0},  // neither: "All files" is never picked
      {{}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(AutoPickFilterIndex(entries, c.names), c.pick) << c.names.size();
  EXPECT_EQ(AutoPickFilterIndex({}, {"a.ruvo"}), 0u);
  EXPECT_EQ(AutoPickFilterIndex({{"All", "*.*"}}, {"a.ruvo"}), 0u);

  std::vector<std::string> names = {"b.ruvo", "A.ruvo", "a.ruvo", "Ab.ruvo", "_x"};
  SortNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"_x", "A.ruvo", "a.ruvo", "Ab.ruvo", "b.ruvo"}));
}

TEST(FileBrowserRules, StartDriveWalksFromTheLastAndQueriesOnlyCandidates) {
  // Drive types: 2 removable, 3 fixed, 4 network, 5 CD; "answers" is the free-space query.
  const struct {
    const char* letters;
    char current;
    const char* types;    // one digit per letter
    const char* answers;  // 'y' or 'n' per letter
    char start;
    const char* queried;  // letters whose free space was asked, in order
  } cases[] = {
      {"acdz", 'c', "2334", "nyyy", 'd', "d"},   // network z skipped, d answers
      {"acde", 'c', "2332", "nyyn", 'd', "ed"},  // stick e without media is passed over
      {"acdh", 'z', "2332", "nyyy", 'h', "h"},   // a ready stick at a higher letter
      {"ac", 'c', "23", "ny", 'c', "c"},         // only the current drive answers
      {"ade", 'c', "255", "nnn", 'a', "a"},      // none passes: the first letter
      {"", 'C', "", "", 'c', ""},                // no drives: the current one
      {"cD", 'c', "34", "yy", 'c', "c"},         // letters come back in lower case
  };
  for (const auto& c : cases) {
    std::string letters = c.letters, queried;
    auto type = [&](char l) { return unsigned(c.types[letters.find(l)] - '0'); };
    auto answers = [&](char l) {
      queried += l;
      return c.answers[letters.find(l)] == 'y';
    };
    for (char& l : letters) l = char(tolower(l));
    EXPECT_EQ(ChooseStartDrive(c.letters, c.current, type, answers), c.start) << c.letters;
    EXPECT_EQ(queried, c.queried) << c.letters;
  }
}

TEST(FileBrowserRules, StartFolder) {
  const struct {
    char start, current;
    const char* desktop;
    char drive;
    const char* folder;
  } cases[] = {
      {'h', 'c', "C:\\Users\\Ann\\Desktop", 'h', "H:\\"},
      {'c', 'C', "C:\\Users\\Ann\\Desktop", 'c', "C:\\Users\\Ann\\Desktop"},
      {'d', 'd', "C:\\Users\\Ann\\Desktop\\", 'c', "C:\\Users\\Ann\\Desktop"},  // the desktop's drive
      {'e', 'e', "E:\\", 'e', "E:\\"},
      {'d', 'd', "", 'd', "D:\\"},                           // desktop unknown: the current drive's root
      {'d', 'd', "\\\\server\\home\\Desktop", 'd', "D:\\"},  // no drive letter
      {'d', 'd', "C:", 'd', "D:\\"},
      {0, 0, "", 0, ""},
  };
  for (const auto& c : cases) {
    TStartFolder f = ChooseStartFolder(c.start, c.current, c.desktop);
    EXPECT_EQ(f.Drive, c.drive) << c.desktop;
    EXPECT_EQ(f.Folder, c.folder) << c.desktop;
  }
}

TEST(FileBrowserRules, FolderTreeEntries) {
  const struct {
    const char* folder;
    std::vector<std::string> subs;
    const char* entries;  // caption@level=path, joined by '|'
    size_t current;
  } cases[] = {
      {"G:\\", {"Talks", "Zoo"}, "G:\\@0=G:\\|Talks@1=G:\\Talks|Zoo@1=G:\\Zoo", 0},
      {"G:\\Talks\\2024", {"x"}, "G:\\@0=G:\\|Talks@1=G:\\Talks|2024@2=G:\\Talks\\2024|x@3=G:\\Talks\\2024\\x", 2},
      {"G:\\Talks\\", {}, "G:\\@0=G:\\|Talks@1=G:\\Talks", 1},
      {"G:", {}, "G:\\@0=G:\\", 0},
      {"\\\\srv\\share\\a", {}, "\\\\srv\\share\\@0=\\\\srv\\share\\|a@1=\\\\srv\\share\\a", 1},
      {"", {"x"}, "", 0},
  };
  for (const auto& c : cases) {
    TFolderTree tree = BuildFolderTree(c.folder, c.subs);
    std::string text;
    for (const TFolderEntry& e : tree.Entries)
      text += (text.empty() ? "" : "|") + e.Caption + "@" + std::to_string(e.Level) + "=" + e.Path;
    EXPECT_EQ(text, c.entries) << c.folder;
    EXPECT_EQ(tree.Current, c.current) << c.folder;
  }
  EXPECT_EQ(JoinPath("G:\\", "a.ruvo"), "G:\\a.ruvo");
  EXPECT_EQ(JoinPath("G:\\Talks", "a.ruvo"), "G:\\Talks\\a.ruvo");
}

TEST(FileBrowserRules, LayoutOnTheDesignSizeAndWider) {
  TFileBrowserBounds b = FileBrowserLayout(1280, 1024, 640);
  EXPECT_EQ(b.FileNamePanel, (TBounds{0, 0, 1280, 41}));
  EXPECT_EQ(b.FileNameLabel, (TBounds{4, 4, 1272, 33}));
  EXPECT_EQ(b.FileListPanel, (TBounds{0, 41, 640, 922}));
  EXPECT_EQ(b.FileListBox, (TBounds{4, 4, 632, 877}));
  EXPECT_EQ(b.FilterComboBox, (TBounds{4, 881, 632, 37}));
  EXPECT_EQ(b.Splitter, (TBounds{640, 41, 3, 922}));
  EXPECT_EQ(b.DirListPanel, (TBounds{643, 41, 637, 922}));
  EXPECT_EQ(b.DriveComboBox, (TBounds{4, 883, 629, 35}));
  EXPECT_EQ(b.ControlPanel, (TBounds{0, 963, 1280, 61}));
  EXPECT_EQ(b.OKButton, (TBounds{1056, 8, 105, 41}));
  EXPECT_EQ(b.CancelButton, (TBounds{1168, 8, 105, 41}));

  // A wider work area: the file panel keeps its width, the buttons stay at the right.
  b = FileBrowserLayout(1680, 1050, 640);
  EXPECT_EQ(b.DirListPanel, (TBounds{643, 41, 1037, 948}));
  EXPECT_EQ(b.OKButton.Left, 1680 - 224);
  EXPECT_EQ(b.ControlPanel.Top, 1050 - 61);

  // Degenerate sizes never give negative ones.
  b = FileBrowserLayout(20, 50, 640);
  for (const TBounds& r : {b.FileListPanel, b.FileListBox, b.FilterComboBox, b.Splitter, b.DirListPanel,
                           b.DirectoryListBox, b.ControlPanel}) {
    EXPECT_GE(r.Width, 0);
    EXPECT_GE(r.Height, 0);
  }
}

TEST(FileBrowserRules, SplitterKeepsBothSidesVisible) {
  const struct {
    int left, width, fileWidth;
  } cases[] = {
      {500, 1280, 500}, {10, 1280, 30}, {1270, 1280, 1280 - 3 - 30},
      {-5, 1280, 30},   {40, 50, 30},   {5, 2, 0},  // too narrow for both: the file side first
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitterFileListWidth(c.left, c.width), c.fileWidth) << c.left << " " << c.width;
}
