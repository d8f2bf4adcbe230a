// Whether every text of a dialog shows whole in its control: the checks of
// the layout tests, which ctest runs again at other scales, text resolutions
// and in every language the program speaks (scripts/test.sh under other
// fonts too).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include "ui/kit/EditBox.h"
#include "ui/kit/GroupFrame.h"
#include "ui/kit/StaticText.h"

namespace vantrel::testing {

// Where a button's style draws its text.
inline QRect TextRoom(const QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const bool box = qobject_cast<const QCheckBox*>(&button);
  const bool radio = qobject_cast<const QRadioButton*>(&button);
  const QStyle::SubElement contents = box     ? QStyle::SE_CheckBoxContents
                                      : radio ? QStyle::SE_RadioButtonContents
                                              : QStyle::SE_PushButtonContents;
  return button.style()->subElementRect(contents, &option, &button);
}

// A static's lines wrap at blanks: a word wider than the static is cut
// across, more lines than its height cut below (where only the last line's
// leading may be missing).
inline void ExpectTextFits(const QWidget& control) {
  const QFontMetrics metrics = control.fontMetrics();
  if (auto* label = qobject_cast<const StaticText*>(&control)) {
    EXPECT_LE(label->heightForWidth(label->width()) - metrics.leading(), label->height())
        << "a cut text";
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
    for (const QString& word : label->text().split(kBlanks, Qt::SkipEmptyParts)) {
      EXPECT_LE(metrics.horizontalAdvance(word), label->contentsRect().width())
          << "a cut word: " << word.toStdString();
    }
  } else if (auto* button = qobject_cast<const QAbstractButton*>(&control)) {
    EXPECT_LE(metrics.horizontalAdvance(button->text()), TextRoom(*button).width())
        << "a cut text: " << button->text().toStdString();
    EXPECT_LE(metrics.height(), button->height()) << "a cut text";
  } else if (auto* frame = qobject_cast<const GroupFrame*>(&control)) {
    EXPECT_LE(metrics.averageCharWidth() + metrics.horizontalAdvance(frame->Title()),
              frame->width())
        << "a cut title: " << frame->Title().toStdString();
  } else if (auto* edit = qobject_cast<const EditBox*>(&control)) {
    const int frameWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    EXPECT_LE(metrics.height(), edit->height() - 2 * frameWidth) << "a cut line";
  }
}

}  // namespace vantrel::testing
