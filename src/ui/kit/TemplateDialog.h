// A dialog built from a template: real widgets at the places the template's
// dialog units give for its font, each found by its numeric id. What the
// controls report (clicks, changes, selections, focus) goes through one table
// of routes to the dialog's handlers; a click of button 1 or 2 without a
// route of its own is OK or Cancel. As on the platform's dialogs, Enter
// presses the focused button, else the default one, else runs OnOK; Escape
// runs OnCancel.
//
// The template is fetched under the dialog font rule when the dialog is
// created, with the font values as they stand then; without a template Create
// fails and DoModal returns -1, showing nothing.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "ui/kit/ControlKinds.h"
#include "ui/kit/DialogTemplate.h"
#include "ui/kit/DialogTemplateRegistry.h"
#include "ui/kit/DialogUnits.h"
#include "ui/kit/PreferredFont.h"
#include "ui/kit/StandardIds.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QMenuBar;

namespace vantrel {

class DataExchange;
class DropDownList;
class EditBox;
class ListBox;
class PictureStatic;
class Shell;
class StaticText;

struct CommandRoute {
  int id;
  Notification what;
  std::function<void()> handler;
};

class TemplateDialog : public QDialog {
  Q_OBJECT

 public:
  // The registry and the font values are read when the dialog is created and
  // must outlive it.
  TemplateDialog(const DialogTemplateRegistry& templates, int templateId, const PreferredFont& font,
                 QWidget* parent = nullptr);
  ~TemplateDialog() override;

  // Builds the controls and runs OnInitDialog, once; false without a template.
  // Lets tests drive a dialog without a modal run.
  bool Create();
  // -1 without a template; otherwise the result of the modal run.
  int DoModal();

  // Runs the route for the id and notification; for an unrouted click of
  // button 1 or 2, OnOK or OnCancel. False when nothing ran. Menu commands
  // and accelerators come here as clicks.
  bool OnCommand(int id, Notification what = Notification::kClicked);

  // The control of that id, or null.
  QWidget* Item(int id) const;
  template <class Control>
  Control* ItemAs(int id) const {
    return qobject_cast<Control*>(Item(id));
  }
  ListBox* ListBoxItem(int id) const;
  DropDownList* DropDownItem(int id) const;
  EditBox* EditItem(int id) const;
  StaticText* StaticItem(int id) const;
  PictureStatic* PictureItem(int id) const;
  QAbstractButton* ButtonItem(int id) const;

  // Text of an edit, static, button, group box or the selected entry of a
  // drop-down list; writing an edit's unchanged text raises no change.
  QString ItemText(int id) const;
  void SetItemText(int id, const QString& text);
  // 1 checked, 0 clear, for check boxes and radio buttons. Clearing a radio
  // leaves its group with none checked.
  int IsDlgButtonChecked(int id) const;
  void CheckDlgButton(int id, int checked);

  // Reads every bound control into its member (true) or writes the members
  // into the controls (false), through DoDataExchange. False when a control
  // held no valid value: it was told, and has the focus.
  bool UpdateData(bool saveAndValidate = true);

  // The menu bar, made on first use. It sits above the client area, which
  // keeps the template's size: the window grows by the bar's height.
  QMenuBar* MenuBar();
  // Lets an action of a menu run the command of that id.
  void BindCommand(QAction* action, int id);

  // Empty template before construction succeeded.
  const DialogTemplate& Template() const;
  DialogBaseUnits BaseUnits() const { return base_; }
  // Dialog units to pixels of the client area (below a menu bar).
  QRect MapDialogRect(const QRect& dialogUnits) const;

  // Gives the dialog another font the way the platform's sheets re-font their
  // pages: the client area and every control's place (a drop-down list's with
  // its open list) are scaled by the ratio of the fonts' average character
  // widths across and of their line heights down, multiplying first and
  // truncating; a window of its own keeps its centre. Controls with a font of
  // their own keep it. Dialog units are then those of the new font.
  void RefontWithLayoutScaling(const QFont& font);
  // Where the client area starts in the window: below the menu bar.
  int ClientTop() const { return clientTop_; }

 protected:
  // Adds routes; a later route for the same id and notification replaces an
  // earlier one.
  void AddRoutes(std::vector<CommandRoute> routes);
  // Where messages of the dialog's own go, such as a value it cannot read.
  void SetShell(Shell* shell) { shell_ = shell; }
  // Pages of a property sheet take the preferred font even while it does not
  // replace the templates' fonts.
  void AlwaysUsePreferredFont() { alwaysPreferredFont_ = true; }
  // Builds the dialog in its template's own font whatever the font values
  // say: for a page its sheet re-fonts.
  void UseTemplateFont() { useTemplateFont_ = true; }

  // Runs first when the dialog is created, before its template is fetched.
  virtual void OnBeforeCreate() {}
  // Runs once the controls exist, before the dialog is shown.
  virtual void OnInitDialog() {}
  virtual void OnOK() { accept(); }
  virtual void OnCancel() { reject(); }
  // Binds controls to members, with the helpers of DataExchange.
  virtual void DoDataExchange(DataExchange&) {}

  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void PlaceControl(QWidget* widget, const ControlTemplate& control);
  void MakeRadioGroups();
  void LabelControls();
  void PlaceMenuBar();

  const DialogTemplateRegistry& templates_;
  const int templateId_;
  const PreferredFont& font_;
  bool alwaysPreferredFont_ = false;
  bool useTemplateFont_ = false;
  Shell* shell_ = nullptr;
  std::optional<DialogTemplate> template_;
  DialogBaseUnits base_;
  struct Control {
    QWidget* widget;
    const ControlKindRow* kind;
  };
  // Every control in template order, and the first of each id.
  std::vector<QWidget*> controls_;
  std::map<int, Control> items_;
  std::map<std::pair<int, Notification>, std::function<void()>> routes_;
  QMenuBar* menuBar_ = nullptr;
  int clientTop_ = 0;
  bool created_ = false;
};

}  // namespace vantrel
