// Finish refusals that a scripted session cannot bring about: the disk
// changing under a run after its step checked it. Each sends the user to
// the step that can put it right, with nothing registered.

#include "wizard/finish_preflight.h"

#include <gtest/gtest.h>

#include "support/source_tree.h"
#include "support/temp_dir.h"
#include "support/wizard_run.h"

namespace verbsmith {
namespace {

class FinishPreflightTest : public ::testing::Test, public test::WizardRun {
 protected:
  FinishPreflightTest() {
    std::string templates = "Z:" + test::SourceTreePath("templates").string() + "/";
    for (char& c : templates) c = c == '/' ? '\\' : c;
    env.host.templateDirectory = templates;
    gen.SetWizardPurpose(purpose::kCreate);
    gen.SetCurrentPath(dir.WindowsPath());
    gen.SetCurrentPathSrc(dir.WindowsPath("src"));
    gen.SetCurrentPathBin(dir.WindowsPath("bin"));
    cls.SetClassname("Buffer");
    window.GoTo(Step::kIntro, Step::kFinish, Direction::kNext);
  }

  void ExpectRefusedOn(Step step, std::string_view field, const std::string& message) {
    window.Control<forms::CommandButton>("cmdFinishFinish").RaiseClick();
    // The command set of this host cannot even be created: a registration
    // would have said so.
    EXPECT_EQ(env.Prompts(), std::vector<std::string>{message});
    EXPECT_EQ(window.CurrentStep(), step);
    ASSERT_NE(window.ActiveControl(), nullptr);
    EXPECT_EQ(window.ActiveControl()->Name(), field);
  }

  test::TempDir dir;
};

TEST_F(FinishPreflightTest, AFileWhereTheSourceDirectoryWasSendsTheUserBackToTheProjectLocation) {
  dir.Write("src", "not a directory");
  dir.MakeDir("bin");
  ExpectRefusedOn(Step::kProjName, "dirProjLoc", "Cannot find the directory " + dir.WindowsPath() + "\\src.");
}

TEST_F(FinishPreflightTest, ABitmapSpoiltSinceItsStepSendsTheUserBackToItsRow) {
  dir.MakeDir("src");
  dir.MakeDir("bin");
  dir.Write("art/lc.bmp", "overwritten with notes");
  bitmaps.SetResourceType(1);
  bitmaps.SetLCBitmapLocation(dir.WindowsPath("art/"));
  bitmaps.SetLCBMPFilename("lc.bmp");
  ExpectRefusedOn(Step::kCustomBMP, "txtLCCustomBMPName",
                  dir.WindowsPath("art/lc.bmp") + " is not a Bitmap file.");
}

}  // namespace
}  // namespace verbsmith
