#include "qt/layout_check.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "qt/step_picture.h"

namespace verbsmith::qt {

namespace {

std::string Name(const QWidget& widget) {
  return widget.objectName().toStdString();
}

std::string Size(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// The space the caption needs inside the widget, beside an indicator or
// within a button's margins.
QSize TextNeed(const QWidget& widget, const QString& text) {
  const QFontMetrics metrics(widget.font());
  const QStyle* style = widget.style();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    // A label shows its access key (underlined) only when it has a buddy.
    const QString shown = label->buddy() ? WithoutAccessKeys(text.toStdString()) : text;
    const QRect bounds = metrics.boundingRect(QRect(0, 0, widget.width(), INT_MAX), Qt::TextWordWrap, shown);
    // A word longer than the width makes the bounds wider than the label.
    return bounds.size();
  }
  const QString shown = WithoutAccessKeys(text.toStdString());
  int indicator = -1;
  if (qobject_cast<const QCheckBox*>(&widget)) {
    indicator =
        style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  } else if (qobject_cast<const QRadioButton*>(&widget)) {
    indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  }
  if (indicator >= 0) {
    // Their captions wrap within the room beside the indicator.
    const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(1, widget.width() - indicator), INT_MAX),
                                              Qt::TextWordWrap, shown);
    return {bounds.width() + indicator, bounds.height()};
  }
  QSize need(metrics.horizontalAdvance(shown), metrics.height());
  if (qobject_cast<const QAbstractButton*>(&widget)) {
    need.rwidth() += 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
  }
  return need;
}

void CheckText(const QWidget& widget, std::vector<std::string>& faults) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    text = label->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    text = button->text();
  } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
    text = box->title();
  }
  if (text.isEmpty()) return;
  const QSize need = TextNeed(widget, text);
  const int height = qobject_cast<const QGroupBox*>(&widget) ? need.height() : widget.height();
  if (need.width() > widget.width() || need.height() > height) {
    faults.push_back(Name(widget) + ": text needs " + Size(need.width(), need.height()) + " pixels, has " +
                     Size(widget.width(), widget.height()));
  }
}

}  // namespace

std::vector<std::string> LayoutFaults(const FormWindow& window) {
  std::vector<std::string> faults;
  std::vector<const QWidget*> shown;
  for (const auto& view : window.Views()) {
    const QWidget* widget = view->Widget();
    if (widget->isVisibleTo(&window)) shown.push_back(widget);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    const QWidget& a = *shown[i];
    CheckText(a, faults);
    const QWidget* container = a.parentWidget();
    // A picture box may hold a taller one that it scrolls: what is cut off
    // there is meant to be.
    const bool scrolls = dynamic_cast<const StepPicture*>(container) != nullptr;
    if (!scrolls && !container->rect().contains(a.geometry())) {
      faults.push_back(Name(a) + ": sticks out of " + Name(*container));
    }
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const QWidget& b = *shown[j];
      // Twips rounded to pixels may make neighbours share one pixel row.
      const QRect shared = a.geometry().intersected(b.geometry());
      if (b.parentWidget() == container && shared.width() > 1 && shared.height() > 1) {
        faults.push_back(Name(a) + " and " + Name(b) + " overlap");
      }
    }
  }
  return faults;
}

}  // namespace verbsmith::qt
