#include <gtest/gtest.h>

#include "PathRules.h"

TEST(PathRules, ModuleFileName) {
  const struct {
    const char *in, *out;
  } cases[] = {
      {"D:\\Talks\\Q3.review.ppt", "D:\\Talks\\Q3.review.ruvo"},
      {"Notes", "Notes.ruvo"},
      {"C:\\a.b\\deck", "C:\\a.b\\deck.ruvo"},  // a dot in a folder name is no extension
      {"C:deck.pps", "C:deck.ruvo"},
      {"C:.ppt", "C:.ruvo"},
      {"\\\\srv\\share.x\\deck.pptx", "\\\\srv\\share.x\\deck.ruvo"},
      {"deck.", "deck.ruvo"},
      {"", ".ruvo"},
  };
  for (const auto& c : cases) EXPECT_EQ(PPTToDMFileName(c.in), c.out) << c.in;
  EXPECT_EQ(PPTToDMFileName("C:\\a.b\\deck").size(), 16u);
}

TEST(PathRules, RelativePath) {
  const struct {
    const char *base, *dest, *out;
  } cases[] = {
      {"C:\\Talks\\Q3\\module.ruvo", "C:\\Talks\\Decks\\Q3.ppt", "..\\Decks\\Q3.ppt"},
      {"C:\\Talks\\module.ruvo", "C:\\Talks\\Q3.ppt", "Q3.ppt"},
      {"C:\\A\\x.ppt", "c:\\a\\y.ruvo", "y.ruvo"},
      {"C:\\A\\x.ppt", "D:\\A\\y.ruvo", "D:\\A\\y.ruvo"},
      {"C:\\A\\B\\C\\x.ruvo", "C:\\y.ppt", "..\\..\\..\\y.ppt"},
      {"C:\\x.ruvo", "C:\\A\\B\\y.ppt", "A\\B\\y.ppt"},
      {"C:\\A\\", "C:\\A\\B\\y.ppt", "B\\y.ppt"},  // a folder given with its trailing backslash
      {"C:\\AB\\x", "C:\\A\\y", "..\\A\\y"},       // whole folder names, not prefixes
      {"\\\\srv\\share\\a\\x.ruvo", "\\\\SRV\\Share\\b\\y.ppt", "..\\b\\y.ppt"},
      {"\\\\srv\\one\\x.ruvo", "\\\\srv\\two\\y.ppt", "\\\\srv\\two\\y.ppt"},
      {"\\\\srv\\share\\x.ruvo", "\\\\srv\\share\\y.ppt", "y.ppt"},
      {"C:\\A\\x.ruvo", "y.ppt", "y.ppt"},
      {"", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeRelativePath(c.base, c.dest), c.out) << c.base << " -> " << c.dest;
}

TEST(PathRules, ResolvesAStoredPathAgainstItsModule) {
  const struct {
    const char *base, *path, *out;
  } cases[] = {
      {"C:\\Talks\\deck.ruvo", "deck.ppt", "C:\\Talks\\deck.ppt"},  // an exported module's bare name
      {"C:\\Talks\\Q3\\deck.ruvo", "..\\Decks\\deck.ppt", "C:\\Talks\\Q3\\..\\Decks\\deck.ppt"},
      {"C:\\Talks\\deck.ruvo", "D:\\Other\\deck.ppt", "D:\\Other\\deck.ppt"},
      {"C:\\Talks\\deck.ruvo", "\\\\srv\\share\\deck.ppt", "\\\\srv\\share\\deck.ppt"},
      {"C:\\Talks\\deck.ruvo", "\\Decks\\deck.ppt", "C:\\Decks\\deck.ppt"},
      {"\\\\srv\\share\\Talks\\deck.ruvo", "\\Decks\\deck.ppt", "\\\\srv\\share\\Decks\\deck.ppt"},
      {"\\\\srv\\share\\Talks\\deck.ruvo", "deck.ppt", "\\\\srv\\share\\Talks\\deck.ppt"},
      {"C:\\Talks\\deck.ruvo", "E:deck.ppt", "E:deck.ppt"},  // relative to another drive: as it is
      {"deck.ruvo", "deck.ppt", "deck.ppt"},
      {"C:\\Talks\\deck.ruvo", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveRelativePath(c.base, c.path), c.out) << c.base << " + " << c.path;
}
