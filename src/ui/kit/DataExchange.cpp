#include "ui/kit/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <limits>

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

void DataExchange::Text(int id, QString& value) {
  if (Skipping()) return;
  if (saving_) {
    value = dialog_.ItemText(id);
  } else {
    dialog_.SetItemText(id, value);
  }
}

void DataExchange::Int(int id, int& value) {
  if (Skipping()) return;
  if (!saving_) {
    dialog_.SetItemText(id, QString::number(value));
    return;
  }
  if (!ReadWholeNumber(dialog_.ItemText(id), value)) {
    failedId_ = id;
    failureText_ = QCoreApplication::translate("vantrel::DataExchange", "Enter an integer.");
  }
}

void DataExchange::Check(int id, int& value) {
  if (Skipping()) return;
  if (saving_) {
    value = dialog_.IsDlgButtonChecked(id);
  } else {
    dialog_.CheckDlgButton(id, value);
  }
}

void DataExchange::Radio(int firstId, int& value) {
  if (Skipping()) return;
  const QAbstractButton* first = dialog_.ButtonItem(firstId);
  const QButtonGroup* group = first ? first->group() : nullptr;
  if (!group) return;
  const QList<QAbstractButton*> buttons = group->buttons();
  if (saving_) {
    value = static_cast<int>(buttons.indexOf(group->checkedButton()));
    return;
  }
  for (int i = 0; i < buttons.size(); ++i)
    dialog_.CheckDlgButton(group->id(buttons[i]), i == value);
}

bool ReadWholeNumber(const QString& text, int& value) {
  qsizetype start = 0;
  while (start < text.size() && text[start].isSpace()) ++start;
  const QString number = text.mid(start);
  const qsizetype sign = number.startsWith(QLatin1Char('-')) || number.startsWith(QLatin1Char('+'));
  if (sign == number.size()) return false;
  for (qsizetype i = sign; i < number.size(); ++i) {
    if (number[i] < QLatin1Char('0') || number[i] > QLatin1Char('9')) return false;
  }
  bool ok = false;
  const long long whole = number.toLongLong(&ok);
  if (!ok || whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max()) {
    return false;
  }
  value = static_cast<int>(whole);
  return true;
}

}  // namespace vantrel
