#pragma once
// A picture box's widget. It draws the wizard's step picture (a map sheet
// with contour lines and a toolbar taking shape on it, drawn for this
// product) or a picture file, in a sunken panel.

#include <QFrame>
#include <QPixmap>
#include <QString>

namespace verbsmith::qt {

class StepPicture : public QFrame {
 public:
  // The image list's key of the step picture.
  static constexpr const char* kStepPictureKey = "wizard-step";

  explicit StepPicture(QWidget* parent);

  // What the picture box holds: its key, and the host file to draw when it
  // names one (empty for the step picture or nothing).
  void Show(const QString& key, const QString& file);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawStepPicture(QPainter& painter, const QRect& area) const;

  QString key_;
  QString file_;
  QPixmap filePicture_;
};

}  // namespace verbsmith::qt
