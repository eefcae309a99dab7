// The templates tool as a user runs it: checking a template directory and
// rendering one command project from it with the built executable.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace verbsmith::app {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using Outcome = test::ProgramOutcome;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class TemplatesCommandTest : public ::testing::Test {
 protected:
  Outcome Run(std::vector<std::string> args) {
    const std::string exe = test::VerbsmithExecutable();
    if (exe.empty()) return {};
    args.insert(args.begin(), {exe, "templates"});
    return test::RunProgram(args);
  }

  static std::string SourceTemplates() { return test::SourceTreePath("templates").string(); }

  // Copies the shipped templates to spoil and returns one file of the copy.
  std::string CopyOfTemplate(const std::string& file) {
    fs::copy(SourceTemplates(), dir_.MakeDir("templates"), fs::copy_options::recursive);
    return dir_.Read("templates/" + file);
  }

  // Checks the copy with the line holding offset `at` removed from `file`;
  // the check must fail and print nothing on standard output.
  Outcome CheckWithoutLine(const std::string& file, std::string bytes, std::size_t at) {
    const std::size_t start = bytes.rfind('\n', at) + 1;
    bytes.erase(start, bytes.find('\n', at) + 1 - start);
    dir_.Write("templates/" + file, bytes);
    Outcome outcome = Run({"check", dir_.HostPath("templates").string()});
    EXPECT_NE(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    return outcome;
  }

  test::TempDir dir_;
};

TEST_F(TemplatesCommandTest, TheShippedTemplatesPassTheCheck) {
  const Outcome outcome = Run({"check", SourceTemplates()});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_TRUE(Contains(outcome.out, "the templates are sound")) << outcome.out;
  EXPECT_EQ(outcome.err, "");
}

TEST_F(TemplatesCommandTest, AnUnclosedBlockFailsNamingItsFileAndLine) {
  // Without its end marker the last block runs on to the end of the file;
  // the fault is placed at the line that opens it.
  const std::string cls = CopyOfTemplate("TemplateCmdSvr.cls");
  const std::size_t lastEnd = cls.rfind("'ENDWIZARD");
  ASSERT_NE(lastEnd, std::string::npos);
  const std::size_t opening = cls.rfind("'WIZARD ", lastEnd);
  ASSERT_NE(opening, std::string::npos);
  const auto openingLine = std::count(cls.begin(), cls.begin() + opening, '\n') + 1;

  const Outcome outcome = CheckWithoutLine("TemplateCmdSvr.cls", cls, lastEnd);
  EXPECT_TRUE(Contains(outcome.err, "TemplateCmdSvr.cls:" + std::to_string(openingLine) + ": "))
      << outcome.err;
  EXPECT_TRUE(Contains(outcome.err, "not closed")) << outcome.err;
}

// Template sets older than the module's name line still work: the check
// passes with a warning, and the module is rendered without a name line.
TEST_F(TemplatesCommandTest, AModuleWithoutItsNameLinePassesWithAWarning) {
  std::string bas = CopyOfTemplate("MainModule.bas");
  const std::size_t name = bas.find("Attribute VB_Name");
  ASSERT_NE(name, std::string::npos);
  bas.erase(name, bas.find('\n', name) + 1 - name);
  dir_.Write("templates/MainModule.bas", bas);

  const Outcome outcome = Run({"check", dir_.HostPath("templates").string()});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_TRUE(Contains(outcome.err, "warning: ") && Contains(outcome.err, "MainModule.bas: ")) << outcome.err;
  test::ScopedEnv templates("VERBSMITH_TEMPLATES", dir_.HostPath("templates").string().c_str());
  EXPECT_EQ(Run({"render", "--out", dir_.HostPath("out").string()}).status, 0);
  EXPECT_EQ(dir_.Read("out/src/SampleCommand1.bas"), bas);
}

class TemplatesRenderTest : public TemplatesCommandTest {
 protected:
  // Renders into out/ from the shipped templates with these options.
  Outcome Render(std::vector<std::string> options) {
    test::ScopedEnv templates("VERBSMITH_TEMPLATES", SourceTemplates().c_str());
    options.insert(options.begin(), {"render", "--out", dir_.HostPath("out").string()});
    return Run(std::move(options));
  }
  std::string Rendered(const std::string& name) const { return dir_.Read("out/src/" + name); }
  // The names in the project's source directory, sorted.
  std::vector<std::string> Made() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.HostPath("out/src"))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(TemplatesRenderTest, WritesTheFourFilesWithTheSelectedBlocksSwitchedOn) {
  const Outcome outcome = Render({"--listener", "--form", "2", "--name", "Zoner", "--project", "ZoneProj"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");

  EXPECT_THAT(Made(), ElementsAre("ZoneProj.vbp", "Zoner.cls", "Zoner1.bas", "frmZoner.frm"));

  const std::string cls = Rendered("Zoner.cls");
  EXPECT_TRUE(Contains(cls, "Attribute VB_Name = \"Zoner\"\r\n")) << cls;
  // The listener block is live code; the blocks not asked for stay comments.
  EXPECT_TRUE(Contains(cls, "\r\nPublic Sub MapViewChanged(")) << cls;
  EXPECT_FALSE(Contains(cls, "'Public Sub MapViewChanged(")) << cls;
  EXPECT_TRUE(Contains(cls, "\r\n'Public Function IsEnabled(")) << cls;
  EXPECT_TRUE(Contains(cls, "\r\n'Public Function StartupRequirementsMet(")) << cls;
  EXPECT_TRUE(Contains(Rendered("ZoneProj.vbp"), "Form=frmZoner.frm"));
}

TEST_F(TemplatesRenderTest, WithoutAFormWritesThreeFiles) {
  const Outcome outcome = Render({"--no-form", "--custom-enabling", "--name", "Formless"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;

  EXPECT_THAT(Made(), ElementsAre("Formless.cls", "Formless1.bas", "SampleProject.vbp"));
  EXPECT_FALSE(Contains(Rendered("SampleProject.vbp"), "Form="));
  const std::string cls = Rendered("Formless.cls");
  EXPECT_TRUE(Contains(cls, "\r\nPublic Function IsEnabled(")) << cls;
  EXPECT_TRUE(Contains(cls, "\r\n'Public Sub MapViewChanged(")) << cls;
}

TEST_F(TemplatesRenderTest, RefusesToRenderWithoutAnOutputDirectory) {
  test::ScopedEnv templates("VERBSMITH_TEMPLATES", SourceTemplates().c_str());
  const Outcome outcome = Run({"render", "--listener"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_TRUE(Contains(outcome.err, "--help' for usage.")) << outcome.err;
}

// Names become file names: one that is not an identifier could climb out of
// the output directory, and is refused before anything is written.
TEST_F(TemplatesRenderTest, RefusesNamesThatAreNotIdentifiers) {
  for (const char* option : {"--name", "--project"}) {
    for (const char* name : {"..\\..\\victim", "../../evilproj", "a b", "9lives", "", "print"}) {
      SCOPED_TRACE(std::string(option) + " " + name);
      const Outcome outcome = Render({option, name});
      EXPECT_EQ(outcome.status, 2);
      EXPECT_TRUE(Contains(outcome.err, "ASCII letters and digits")) << outcome.err;
    }
  }
  EXPECT_FALSE(dir_.Exists("out"));
}

// Templates the check refuses are not rendered; the old project stays.
TEST_F(TemplatesRenderTest, ChecksTheTemplatesFirst) {
  ASSERT_EQ(Render({"--name", "Kept"}).status, 0);
  const std::string kept = Rendered("Kept.cls");
  for (const std::string& bytes :
       {std::string("' Attribute VB_Name\r\n"), std::string("Attribute VB_Name\0\x01\x02", 20)}) {
    CopyOfTemplate("MainModule.bas");
    dir_.Write("templates/MainModule.bas", bytes);
    test::ScopedEnv templates("VERBSMITH_TEMPLATES", dir_.HostPath("templates").string().c_str());
    const Outcome outcome = Run({"render", "--out", dir_.HostPath("out").string(), "--name", "Kept"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(Contains(outcome.err, "MainModule.bas")) << outcome.err;
    fs::remove_all(dir_.HostPath("templates"));
  }
  EXPECT_EQ(Rendered("Kept.cls"), kept);
}

// The output directory is made with its missing parents; one that cannot
// be made (a file in its way) is named once.
TEST_F(TemplatesRenderTest, MakesTheWholeOutputPathOrNamesItOnce) {
  test::ScopedEnv templates("VERBSMITH_TEMPLATES", SourceTemplates().c_str());
  EXPECT_EQ(Run({"render", "--out", dir_.HostPath("no/such/out").string()}).status, 0);
  EXPECT_TRUE(dir_.Exists("no/such/out/src/SampleProject.vbp"));
  dir_.Write("file", "");
  const std::string out = dir_.HostPath("file/out").string();
  const Outcome outcome = Run({"render", "--out", out});
  EXPECT_EQ(outcome.status, 1);
  const std::string named = "verbsmith templates: cannot make the output directory " + out + ": ";
  EXPECT_EQ(outcome.err.find(named), 0u) << outcome.err;
  EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
}

}  // namespace
}  // namespace verbsmith::app
