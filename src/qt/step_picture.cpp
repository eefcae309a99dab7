#include "qt/step_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace verbsmith::qt {

StepPicture::StepPicture(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
}

void StepPicture::Show(const QString& key, const QString& file) {
  if (key == key_ && file == file_) return;
  key_ = key;
  file_ = file;
  filePicture_ = file.isEmpty() ? QPixmap() : QPixmap(file);
  update();
}

void StepPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (key_.isEmpty()) return;
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setClipRect(area);
  if (!filePicture_.isNull()) {
    painter.drawPixmap(area.topLeft(), filePicture_);
  } else if (key_ == QLatin1String(kStepPictureKey)) {
    DrawStepPicture(painter, area);
  }
}

void StepPicture::DrawStepPicture(QPainter& painter, const QRect& area) const {
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(0x12, 0x35, 0x5b));
  sky.setColorAt(1, QColor(0x1f, 0x7a, 0x8c));
  painter.fillRect(area, sky);

  // The map sheet: a graticule and contour lines round two hills.
  const double w = area.width();
  const double h = area.height();
  const QPointF origin = area.topLeft();
  painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
  for (int i = 1; i < 6; ++i) {
    painter.drawLine(QPointF(origin.x() + w * i / 6, origin.y()),
                     QPointF(origin.x() + w * i / 6, origin.y() + h));
  }
  for (int i = 1; i < 12; ++i) {
    painter.drawLine(QPointF(origin.x(), origin.y() + h * i / 12),
                     QPointF(origin.x() + w, origin.y() + h * i / 12));
  }
  painter.setBrush(Qt::NoBrush);
  for (int ring = 1; ring <= 5; ++ring) {
    painter.setPen(QPen(QColor(0xbf, 0xe6, 0xc8, 60 + ring * 30), 1.2));
    painter.drawEllipse(QPointF(origin.x() + w * 0.35, origin.y() + h * 0.3), w * 0.08 * ring,
                        h * 0.03 * ring);
    painter.drawEllipse(QPointF(origin.x() + w * 0.7, origin.y() + h * 0.55), w * 0.05 * ring,
                        h * 0.025 * ring);
  }
  // A road across the sheet.
  QPainterPath road(QPointF(origin.x(), origin.y() + h * 0.75));
  road.cubicTo(QPointF(origin.x() + w * 0.4, origin.y() + h * 0.6),
               QPointF(origin.x() + w * 0.5, origin.y() + h * 0.9),
               QPointF(origin.x() + w, origin.y() + h * 0.7));
  painter.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 2.5));
  painter.drawPath(road);

  // The command being made: a toolbar whose last button is still empty.
  const double size = std::min(w / 5.5, h / 10);
  const QColor faces[] = {QColor(0xe0, 0x6c, 0x4c), QColor(0x6c, 0xb4, 0xe0), QColor(0x9c, 0xd0, 0x6c)};
  const QPointF bar(origin.x() + (w - size * 4.3) / 2, origin.y() + h - size * 1.6);
  painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
  painter.setBrush(QColor(0xd8, 0xd8, 0xd0));
  painter.drawRoundedRect(QRectF(bar.x() - size * 0.15, bar.y() - size * 0.15, size * 4.6, size * 1.3), 3, 3);
  for (int i = 0; i < 4; ++i) {
    const QRectF button(bar.x() + i * size * 1.1, bar.y(), size, size);
    painter.setBrush(i < 3 ? faces[i] : QColor(0xff, 0xff, 0xff));
    painter.setPen(i < 3 ? QPen(QColor(0x20, 0x20, 0x20), 1)
                         : QPen(QColor(0x20, 0x20, 0x20), 1, Qt::DashLine));
    painter.drawRect(button);
  }
}

}  // namespace verbsmith::qt
