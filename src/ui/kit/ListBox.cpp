#include "ui/kit/ListBox.h"

#include <QMouseEvent>

#include "ui/kit/ListSort.h"
#include "ui/kit/ProgramChange.h"

namespace vantrel {

ListBox::ListBox(bool sorted, QWidget* parent) : QListWidget(parent), sorted_(sorted) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::OnSelectionChanged);
}

int ListBox::AddString(const QString& text) {
  const ProgramChange change(programmatic_);
  const int index = sorted_ ? SortedInsertPosition(
                                  count(), [this](int i) { return item(i)->text(); }, text)
                            : count();
  insertItem(index, text);
  return index;
}

void ListBox::ResetContent() {
  const ProgramChange change(programmatic_);
  clear();
}

void ListBox::ResetContent(const QStringList& entries) {
  const ProgramChange change(programmatic_);
  clear();
  addItems(entries);
}

void ListBox::ResetContent(const std::vector<ListEntry>& entries) {
  const ProgramChange change(programmatic_);
  clear();
  for (const ListEntry& entry : entries) {
    auto* row = new QListWidgetItem(entry.text, this);
    row->setData(kListKeyRole, entry.key);
  }
}

int ListBox::GetCurSel() const {
  const int row = currentRow();
  if (row < 0 || row >= count() || !item(row)->isSelected()) return -1;
  return row;
}

bool ListBox::SetCurSel(int index) {
  if (index >= count() || index < -1) return false;
  const ProgramChange change(programmatic_);
  if (index == -1) {
    clearSelection();
    setCurrentRow(-1);
  } else {
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
  }
  return index != -1;
}

QString ListBox::GetText(int index) const {
  const QListWidgetItem* entry = item(index);
  return entry ? entry->text() : QString();
}

int ListBox::FindStringPrefix(int start, const QString& prefix) const {
  return FindPrefix(
      count(), [this](int i) { return item(i)->text(); }, start, prefix);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
  // The user moves the selection but never clears it (ctrl+click, ctrl+space,
  // a click below the entries): a list without a selection would leave the
  // window showing a result for a unit no longer chosen.
  const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
  if (!index.isValid() || (flags & QItemSelectionModel::Deselect)) {
    return QItemSelectionModel::NoUpdate;
  }
  return flags;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QListWidget::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QListWidget::mouseReleaseEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QListWidget::mouseDoubleClickEvent(event);
}

void ListBox::OnSelectionChanged() {
  if (!programmatic_) emit SelectionChanged();
}

int ListBox::FindText(const QString& text) const {
  return vantrel::FindText(
      count(), [this](int i) { return item(i)->text(); }, text);
}

QString ListBox::GetKey(int index) const {
  const QListWidgetItem* entry = item(index);
  if (!entry) return {};
  const QVariant key = entry->data(kListKeyRole);
  return key.isValid() ? key.toString() : entry->text();
}

int ListBox::FindKey(const QString& key) const {
  return vantrel::FindText(
      count(), [this](int i) { return GetKey(i); }, key);
}

}  // namespace vantrel
