#include "ui/kit/ListView.h"

#include <QEvent>
#include <QStyle>
#include <algorithm>

#include "ui/kit/DialogUnits.h"
#include "ui/kit/ListSort.h"
#include "ui/kit/ProgramChange.h"

namespace vantrel {

ListView::ListView(bool sorted, QWidget* parent) : QListWidget(parent), sorted_(sorted) {
  setViewMode(QListView::ListMode);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* entry) {
    if (!programmatic_ && checkBoxes_) emit CheckChanged(row(entry));
  });
}

void ListView::SetCheckBoxes(bool on) {
  if (on == checkBoxes_) return;
  const ProgramChange change(programmatic_);
  checkBoxes_ = on;
  for (int i = 0; i < count(); ++i) ApplyCheckBox(item(i), false);
}

void ListView::SetColumnWidth(int pixels) {
  columnWidth_ = pixels;
  columnFont_ = font();
  ApplyGrid();
}

void ListView::ApplyGrid() {
  const int width = columnWidth_ * LayoutMetricsOf(font()).averageWidth /
                    LayoutMetricsOf(columnFont_).averageWidth;
  // A row is as high as its text or its check box, with a little room.
  const int row =
      std::max(fontMetrics().height(), style()->pixelMetric(QStyle::PM_IndicatorHeight)) + 4;
  setGridSize(QSize(width, row));
}

void ListView::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange && columnWidth_ > 0) ApplyGrid();
}

int ListView::InsertItem(const QString& text) {
  const ProgramChange change(programmatic_);
  const int index = sorted_ ? SortedInsertPosition(
                                  count(), [this](int i) { return item(i)->text(); }, text)
                            : count();
  auto* entry = new QListWidgetItem(text);
  ApplyCheckBox(entry, false);
  insertItem(index, entry);
  return index;
}

void ListView::DeleteAllItems() {
  const ProgramChange change(programmatic_);
  clear();
}

void ListView::ResetContent(const std::vector<ListEntry>& entries) {
  const ProgramChange change(programmatic_);
  clear();
  for (const ListEntry& entry : entries) {
    auto* row = new QListWidgetItem(entry.text);
    row->setData(kListKeyRole, entry.key);
    ApplyCheckBox(row, false);
    addItem(row);
  }
}

QString ListView::GetItemKey(int index) const {
  const QListWidgetItem* entry = item(index);
  if (!entry) return {};
  const QVariant key = entry->data(kListKeyRole);
  return key.isValid() ? key.toString() : entry->text();
}

QString ListView::GetItemText(int index) const {
  const QListWidgetItem* entry = item(index);
  return entry ? entry->text() : QString();
}

bool ListView::GetCheck(int index) const {
  const QListWidgetItem* entry = item(index);
  return entry && checkBoxes_ && entry->checkState() == Qt::Checked;
}

void ListView::SetCheck(int index, bool checked) {
  QListWidgetItem* entry = item(index);
  if (!entry || !checkBoxes_) return;
  const ProgramChange change(programmatic_);
  entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void ListView::ApplyCheckBox(QListWidgetItem* entry, bool checked) const {
  if (checkBoxes_) {
    entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  } else {
    entry->setFlags(entry->flags() & ~Qt::ItemIsUserCheckable);
    entry->setData(Qt::CheckStateRole, QVariant());
  }
}

}  // namespace vantrel
