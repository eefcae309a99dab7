// What the window draws as the keyboard and the mouse move about it: the
// focus mark on an option, the text selected on tabbing in, the enabling
// list scrolled to the box with the focus and by the wheel, the preview
// dialog centred on and owned by the wizard, and larger when dragged.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWheelEvent>

#include "shell/headless.h"
#include "support/window_session.h"
#include "wizard/frm_preview.h"
#include "wizard/frm_verbsmith.h"

namespace verbsmith::qt {
namespace {

using test::WindowDriver;

FrmVerbsmith& Wizard(forms::FormsRuntime& runtime) {
  for (forms::Form* form : runtime.Forms()) {
    if (auto* wizard = dynamic_cast<FrmVerbsmith*>(form)) return *wizard;
  }
  throw std::logic_error("no wizard");
}

// The widget of the control with the runtime's focus.
QWidget* Focused(forms::FormsRuntime& runtime) {
  return WindowDriver::Widget(Wizard(runtime).ActiveControl()->Name());
}

// Where the widget shows on its window.
QRect OnWindow(const QWidget* widget) {
  return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

TEST(KeyboardWindowTest, FocusMarkSelectedTextAndScrolledListAreDrawn) {
  test::WindowSession session;
  QImage marked, unmarked;
  QString selected, typed;
  QRect box, list;
  int listTopBefore = 0, listTopAfter = 0;
  session.driver.Key("Text3", Qt::Key_Tab)
      .Then([&] {
        // The group's first option has the focus and no selection.
        QWidget* option = WindowDriver::Widget("optCreateProject");
        marked = option->grab().toImage();
        option->clearFocus();
        unmarked = option->grab().toImage();
        option->setFocus();
      })
      .Key("optCreateProject", Qt::Key_Space)
      .Key("optCreateProject", Qt::Key_Return)
      .Then([&] { selected = qobject_cast<QLineEdit*>(WindowDriver::Widget("txtProjName"))->selectedText(); })
      .Type("txtProjName", "Roads")
      .Then([&] {
        typed = qobject_cast<QLineEdit*>(WindowDriver::Widget("txtProjName"))->text();
        FrmVerbsmith& wizard = Wizard(session.runtime);
        wizard.GoTo(Step::kProjName, Step::kEnablingConditions, Direction::kNext);
      })
      .Key("chkCustomEnablingRequirements", Qt::Key_Tab);
  for (int i = 0; i < 12; ++i)
    session.driver.Then([&session] { QTest::keyClick(Focused(session.runtime), Qt::Key_Down); });
  session.driver
      .Then([&] {
        box = OnWindow(Focused(session.runtime));
        list = OnWindow(WindowDriver::Widget("Picture2"));
        QWidget* inner = WindowDriver::Widget("Picture3");
        listTopBefore = inner->y();
        QWheelEvent wheel(QPointF(10, 10), inner->mapToGlobal(QPointF(10, 10)), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(inner, &wheel);
      })
      .Then([&] { listTopAfter = WindowDriver::Widget("Picture3")->y(); })
      .Click("cmdEnablingConditionsCancel");
  shell::RunWizardSession(session.host, *session.ide, session.runtime);
  session.Finish();

  EXPECT_NE(marked, unmarked);
  EXPECT_EQ(selected, "CarthexCommand");
  EXPECT_EQ(typed, "Roads");
  EXPECT_TRUE(list.contains(box)) << "the box with the focus lies outside the list";
  EXPECT_LT(listTopAfter, listTopBefore) << "the wheel did not scroll the list";
}

// A form with a button that shows the plan preview over it.
class OwnerForm : public forms::Form {
 public:
  explicit OwnerForm(forms::FormsRuntime& runtime) : Form(runtime, "frmOwner") {
    Move(3000, 2000, 6000, 4000);
    auto& preview = Add<forms::CommandButton>("cmdPreview");
    preview.Move(120, 120, 1200, 375);
    preview.onClick = [this] { FrmPreview(Runtime()).ShowPlan("create Z:\\a.cls", *this); };
  }
};

TEST(KeyboardWindowTest, ThePreviewIsCentredOnItsOwnerOwnedByItAndResizable) {
  test::WindowSession session;
  bool owned = false;
  QRect ownerFrame, previewFrame;
  int planWidth = 0, grownPlanWidth = 0;
  session.driver.Click("cmdPreview")
      .Then([&] {
        QWidget* owner = session.source.WindowOf("frmOwner");
        QWidget* preview = session.source.WindowOf("frmPreview");
        owned = preview->parentWidget() == owner;
        ownerFrame = owner->frameGeometry();
        previewFrame = preview->frameGeometry();
        planWidth = WindowDriver::Widget("txtPlan")->width();
        preview->resize(preview->size() + QSize(200, 100));
      })
      .Then([&] { grownPlanWidth = WindowDriver::Widget("txtPlan")->width(); })
      .Click("cmdClose")
      .CloseBox("frmOwner");
  OwnerForm form(session.runtime);
  form.ShowModal();
  session.Finish();

  EXPECT_TRUE(owned);
  // Within half a title bar: the offscreen screen draws none, the centring
  // counts one in.
  EXPECT_LE((previewFrame.center() - ownerFrame.center()).manhattanLength(), 16)
      << "preview at " << previewFrame.x() << "," << previewFrame.y();
  EXPECT_EQ(grownPlanWidth, planWidth + 200);
}

}  // namespace
}  // namespace verbsmith::qt
