#include "wizard/finish_journal.h"

#include <gtest/gtest.h>

#include "wizard/finish_journal_paths.h"

namespace verbsmith {
namespace {

TEST(FinishJournalTest, ReadsBackWhatItWroteBytesAndEntryAlike) {
  FinishJournal journal;
  journal.process = 4242;
  journal.company = "Valdren";
  journal.application = "Carthex";
  journal.progId = "Atlas.Pick";
  journal.registering = true;
  CommandEntry before;
  before.progId = "Atlas.Pick";
  before.enableMask = -2;
  before.description = "Pick \xC3\xA9";
  journal.entryBefore = before;
  journal.createdDirectories = {"Z:\\w\\Atlas"};
  journal.files = {{"Z:\\w\\Atlas\\src\\Pick.res", std::string("\0\xFF\x80 \r\n", 6)},
                   {"Z:\\w\\Atlas\\bin\\Pick.ini", std::nullopt}};

  const FinishJournal read = FinishJournal::FromJson(journal.ToJson());
  EXPECT_EQ(read.process, 4242);
  EXPECT_TRUE(read.registering);
  EXPECT_EQ(read.entryBefore, journal.entryBefore);
  EXPECT_EQ(read.createdDirectories, journal.createdDirectories);
  ASSERT_EQ(read.files.size(), 2u);
  EXPECT_EQ(read.files[0].before, journal.files[0].before);
  EXPECT_FALSE(read.files[1].before);
}

TEST(FinishJournalTest, RefusesWhatIsNoJournal) {
  for (const char* text : {"", "{}", "[1]", R"({"version": 1})", "not json"}) {
    EXPECT_THROW(FinishJournal::FromJson(text), VbError) << text;
  }
  FinishJournal journal;
  journal.files = {{"Z:\\a", std::string("x")}};
  std::string text = journal.ToJson();
  text.replace(text.find("\"78\""), 4, "\"7g\"");  // not hex
  EXPECT_THROW(FinishJournal::FromJson(text), VbError);
  journal.company = "Snow \xE2\x98\x83 \xCE\xA9mega";
  text = journal.ToJson();
  EXPECT_EQ(FinishJournal::FromJson(text).company, journal.company);
  text.replace(text.find("\xCE\xA9"), 2, "\xD8");  // a Windows-1252 byte: not UTF-8
  EXPECT_THROW(FinishJournal::FromJson(text), VbError);
}

TEST(FinishJournalTest, NamesThePathsThatLieOutsideTheRun) {
  FinishJournal journal;
  journal.project = "Z:\\w\\Roads";
  journal.createdDirectories = {"Z:\\w\\New"};
  journal.files = {{"z:/W/roads/src/A.cls", std::nullopt}, {"Z:\\w\\New\\bin\\A.ini", std::nullopt}};
  EXPECT_EQ(ForeignPathOf(journal), std::nullopt);
  for (const char* foreign :
       {"Z:\\w\\Other\\A.cls", "Z:\\w\\Roads\\..\\x", "Z:\\w\\Roads\\*.*", "src\\A.cls", "Z:\\w\\Roads"}) {
    FinishJournal edited = journal;
    edited.files.push_back({foreign, std::nullopt});
    EXPECT_EQ(ForeignPathOf(edited), foreign);
  }
  journal.createdDirectories.push_back("Z:\\");
  EXPECT_EQ(ForeignPathOf(journal), "Z:\\");
}

}  // namespace
}  // namespace verbsmith
