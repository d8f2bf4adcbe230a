#include "ui/kit/ToolTipControl.h"

#include <QStringList>
#include <QToolTip>

namespace vantrel {

void ToolTipControl::AddTool(QWidget* tool, const QString& text) {
  if (!tool) return;
  texts_.insert(tool, text);
  Apply(tool);
}

void ToolTipControl::UpdateTipText(QWidget* tool, const QString& text) { AddTool(tool, text); }

QString ToolTipControl::ToolText(QWidget* tool) const { return texts_.value(tool); }

void ToolTipControl::SetMaxTipWidth(int pixels) {
  maxWidth_ = pixels;
  for (auto it = texts_.cbegin(); it != texts_.cend(); ++it) Apply(it.key());
}

void ToolTipControl::SetAutoPopTime(int milliseconds) {
  autoPop_ = milliseconds;
  for (auto it = texts_.cbegin(); it != texts_.cend(); ++it) Apply(it.key());
}

void ToolTipControl::Activate(bool active) {
  active_ = active;
  for (auto it = texts_.cbegin(); it != texts_.cend(); ++it) Apply(it.key());
}

void ToolTipControl::Apply(QWidget* tool) const {
  const QString text = texts_.value(tool);
  tool->setToolTip(active_ && !text.isEmpty()
                       ? WrapTipText(text, QFontMetrics(QToolTip::font()), maxWidth_)
                       : QString());
  tool->setToolTipDuration(autoPop_);
}

QString WrapTipText(const QString& text, const QFontMetrics& metrics, int maxWidth) {
  QString unified = text;
  unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (maxWidth < 0) return unified;
  QStringList out;
  for (const QString& line : unified.split(QLatin1Char('\n'))) {
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '))) {
      const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
      if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth) {
        out << current;
        current = word;
      } else {
        current = candidate;
      }
    }
    out << current;
  }
  return out.join(QLatin1Char('\n'));
}

}  // namespace vantrel
