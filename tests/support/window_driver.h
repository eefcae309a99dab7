#pragma once
// Drives the desktop window as a person would, for tests: gestures (typing,
// clicks, keys, the close box) on widgets found by their control names, one
// gesture each time the window waits for a person, and answers for the
// message boxes and file dialogs in the order they appear. When the
// gestures run out, the actions stop, so every open form closes.
//
//   test::WindowDriver driver(source);
//   driver.Type("Text4", "Zed").Click("cmdAsk").Answer("No").Click("cmdIntroCancel");
//   form.ShowModal();

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <deque>
#include <functional>
#include <string>

#include "qt/window_action_source.h"

namespace verbsmith::test {

class WindowDriver {
 public:
  explicit WindowDriver(qt::WindowActionSource& source) : source_(source) {
    source_.onWaiting = [this] { NextWhenIdle(); };
    QObject::connect(&boxes_, &QTimer::timeout, [this] { AnswerBox(); });
    boxes_.start(5);
  }

  WindowDriver& Type(std::string control, QString text) {
    return Then([this, control, text] { QTest::keyClicks(Widget(control), text); });
  }
  WindowDriver& Click(std::string control) {
    return Then([this, control] { QTest::mouseClick(Widget(control), Qt::LeftButton); });
  }
  WindowDriver& Key(std::string control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return Then([this, control, key, modifiers] { QTest::keyClick(Widget(control), key, modifiers); });
  }
  // A click on an entry of a list box.
  WindowDriver& ClickEntry(std::string control, int row) {
    return Then([this, control, row] {
      auto* list = qobject_cast<QListWidget*>(Widget(control));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                        list->visualItemRect(list->item(row)).center());
    });
  }
  WindowDriver& CloseBox(std::string form) {
    return Then([this, form] { source_.WindowOf(form)->close(); });
  }
  WindowDriver& Then(std::function<void()> gesture) {
    gestures_.push_back(std::move(gesture));
    return *this;
  }
  // The next box to appear is a message box; this button is pressed.
  WindowDriver& Answer(QString button) {
    answers_.push_back([button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return false;
      QTest::mouseClick(box->findChild<QPushButton*>(button), Qt::LeftButton);
      return true;
    });
    return *this;
  }
  // The next box to appear is a file dialog; this host file is picked.
  WindowDriver& PickFile(QString hostPath) {
    answers_.push_back([hostPath] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return false;
      dialog->selectFile(hostPath);
      static_cast<QDialog*>(dialog)->accept();  // public there, and virtual
      return true;
    });
    return *this;
  }

  // The widget of the control with this name in a window that is shown.
  static QWidget* Widget(const std::string& control) {
    const QString name = QString::fromStdString(control);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      if (auto* widget = window->findChild<QWidget*>(name)) return widget;
    }
    ADD_FAILURE() << "no widget named " << control;
    return nullptr;
  }

 private:
  // A gesture that gave no action (a click on a disabled button) leaves the
  // window waiting; the next one follows then.
  void NextWhenIdle() {
    // Tied to the driver: a gesture never runs after the driver is gone.
    QTimer::singleShot(0, &alive_, [this] {
      if (!source_.Idle()) return;
      if (gestures_.empty()) return source_.Stop();
      std::function<void()> gesture = std::move(gestures_.front());
      gestures_.pop_front();
      gesture();
      NextWhenIdle();
    });
  }

  void AnswerBox() {
    if (!answers_.empty() && answers_.front()()) answers_.pop_front();
  }

  qt::WindowActionSource& source_;
  std::deque<std::function<void()>> gestures_;
  std::deque<std::function<bool()>> answers_;
  QTimer boxes_;
  QObject alive_;
};

}  // namespace verbsmith::test
