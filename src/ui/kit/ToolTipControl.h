// Tooltips for a dialog's controls: each tool is a control with its text; the
// text keeps its own line breaks ("\r\n" or "\n") and is wrapped at word
// boundaries to the widest tip, and a tip stays up for the given time.
#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace vantrel {

class ToolTipControl {
 public:
  void AddTool(QWidget* tool, const QString& text);
  void UpdateTipText(QWidget* tool, const QString& text);
  // The text as given, or empty for a widget that is no tool.
  QString ToolText(QWidget* tool) const;
  void SetMaxTipWidth(int pixels);
  void SetAutoPopTime(int milliseconds);
  void Activate(bool active);

 private:
  void Apply(QWidget* tool) const;

  QHash<QWidget*, QString> texts_;
  int maxWidth_ = -1;
  int autoPop_ = -1;
  bool active_ = true;
};

// The text with "\r\n" made "\n" and every line broken at blanks so that no
// line is wider than `maxWidth` pixels in `metrics` (a single word wider than
// that stays whole). maxWidth < 0 breaks nothing.
QString WrapTipText(const QString& text, const QFontMetrics& metrics, int maxWidth);

}  // namespace vantrel
