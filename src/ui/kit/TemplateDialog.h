// A dialog built from a template: real widgets at the places the template's
// dialog units give for its font, each found by its numeric id. Enter and
// Escape go to OnOK and OnCancel as on the platform's dialogs; buttons 1 and 2
// are OK and Cancel.
//
// The template is fetched under the dialog font rule when the dialog is
// created, with the font values as they stand then; without a template Create
// fails and DoModal returns -1, showing nothing.
#pragma once

#include <QDialog>
#include <QString>
#include <map>
#include <optional>

#include "settings/Preferences.h"
#include "ui/kit/DialogTemplate.h"
#include "ui/kit/DialogTemplateRegistry.h"
#include "ui/kit/DialogUnits.h"

class QAbstractButton;

namespace vantrel {

class DropDownList;
class EditBox;
class ListBox;
class PictureStatic;
class StaticText;

inline constexpr int kIdCancel = 2;

class TemplateDialog : public QDialog {
  Q_OBJECT

 public:
  // The registry and the font values are read when the dialog is created and
  // must outlive it.
  TemplateDialog(const DialogTemplateRegistry& templates, int templateId, const DialogFont& font,
                 QWidget* parent = nullptr);

  // Builds the controls and runs OnInitDialog, once; false without a template.
  // Lets tests drive a dialog without a modal run.
  bool Create();
  // -1 without a template; otherwise the result of the modal run.
  int DoModal();

  // The control of that id, or null.
  QWidget* Item(int id) const;
  ListBox* ListBoxItem(int id) const;
  DropDownList* DropDownItem(int id) const;
  EditBox* EditItem(int id) const;
  StaticText* StaticItem(int id) const;
  PictureStatic* PictureItem(int id) const;
  QAbstractButton* ButtonItem(int id) const;

  // Text of an edit, static, button or group box; writing an edit's unchanged
  // text raises no change.
  QString ItemText(int id) const;
  void SetItemText(int id, const QString& text);

  // Empty template before construction succeeded.
  const DialogTemplate& Template() const;
  DialogBaseUnits BaseUnits() const { return base_; }
  QRect MapDialogRect(const QRect& dialogUnits) const;

 protected:
  // Runs first when the dialog is created, before its template is fetched.
  virtual void OnBeforeCreate() {}
  // Runs once the controls exist, before the dialog is shown.
  virtual void OnInitDialog() {}
  virtual void OnOK() { accept(); }
  virtual void OnCancel() { reject(); }

  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QWidget* MakeControl(const ControlTemplate& control);

  const DialogTemplateRegistry& templates_;
  const int templateId_;
  const DialogFont& font_;
  std::optional<DialogTemplate> template_;
  DialogBaseUnits base_;
  std::map<int, QWidget*> items_;
  bool created_ = false;
};

}  // namespace vantrel
