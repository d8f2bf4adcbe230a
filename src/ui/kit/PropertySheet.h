// A property sheet: pages on the tabs of one tab control, with OK and Cancel
// below. Create makes every page at once (each runs its initialisation, in
// the order added) and shows the first; each page stays inside the tab area.
// OK runs every page's OK action, in the order added, and closes the sheet
// with kIdOk; Cancel, Escape and the close box close it with kIdCancel and
// run nothing. Ctrl+Tab and Ctrl+PgDn show the next page, Ctrl+Shift+Tab
// and Ctrl+PgUp the one before, round the end, with the focus on the tabs.
//
// The caller owns the pages (members of a sheet class, or locals); the sheet
// lets go of them when it is destroyed.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "ui/kit/PreferredFont.h"

class QPushButton;
class QTabWidget;

namespace vantrel {

class PropertyPage;

class PropertySheet : public QDialog {
  Q_OBJECT

 public:
  // The sheet itself is in the preferred font, whether or not it replaces the
  // templates' fonts; the font values must outlive the sheet.
  PropertySheet(const QString& caption, const PreferredFont& font, QWidget* parent = nullptr);
  ~PropertySheet() override;

  void AddPage(PropertyPage* page);
  // The platform's way with pages, asked for before Create: each page is
  // built in its template's font and then re-fonted to the sheet's with
  // layout scaling (TemplateDialog::RefontWithLayoutScaling). Otherwise the
  // pages are built in the sheet's font straight from their templates.
  void ScalePagesFromTemplateFonts() { scalePages_ = true; }
  // False when a page has no template; then the sheet shows nothing.
  bool Create();
  // -1 when Create fails; otherwise kIdOk or kIdCancel.
  int DoModal();

  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage* GetPage(int index) const;
  int GetActiveIndex() const;
  void SetActivePage(int index);
  QTabWidget* TabControl() const { return tabs_; }
  // Button kIdOk or kIdCancel once created, else null.
  QPushButton* Button(int id) const;

 protected:
  // Runs every page's OK action, in the order added, and closes with kIdOk.
  virtual void OnOK();

 private:
  void TurnPage(int step);

  QString caption_;
  const PreferredFont& font_;
  std::vector<QPointer<PropertyPage>> pages_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool created_ = false;
  bool scalePages_ = false;
};

}  // namespace vantrel
