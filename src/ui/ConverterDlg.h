// The converter window: a category, an input and an output unit, a value typed
// as a number or an expression, and the result on every change.
#pragma once

#include <QIcon>
#include <QString>

#include "ui/Picture.h"
#include "ui/kit/TemplateDialog.h"
#include "ui/kit/ToolTipControl.h"
#include "units/UnitCatalogue.h"

class QMenuBar;

namespace vantrel {

struct AppContext;

class CConverterDlg : public TemplateDialog {
  Q_OBJECT

 public:
  explicit CConverterDlg(AppContext& context, QWidget* parent = nullptr);
  ~CConverterDlg() override;

  void FillCategoryCombo();
  void OnSelectCategory();
  void ComputeResult();
  void OnInvertUnits();
  void SaveLastSelection();

  // Runs a menu command or accelerator by its id (ConverterCommands.cpp);
  // an unknown id does nothing.
  virtual void OnCommand(int id);

  CUnitCatalogue& Catalogue() { return catalogue_; }
  const ToolTipControl& ToolTips() const { return tips_; }
  // Null before the window is created.
  QMenuBar* MenuBar() const { return menuBar_; }

 protected:
  void OnBeforeCreate() override;
  void OnInitDialog() override;
  // Enter does nothing here; Escape is a close request like the close box.
  void OnOK() override {}
  void OnCancel() override { close(); }
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadSettings();
  void PlaceLogo();
  void CreateToolTips();
  void ShowAtStart();
  void OpenHomePage();

  // The menu bar and its commands (ConverterCommands.cpp).
  void BuildMenu();
  void OnLaunchCalculator();
  void OnCoordinateConverter();
  void OnExit();
  void OnCopyOutput();
  void OnFind();
  void OnUnits();
  void OnCategories();
  void OnPreferences();
  void OnCheckForUpdates();

  AppContext& context_;
  CUnitCatalogue catalogue_;
  QString inputText_ = QStringLiteral("1");
  QString outputText_;
  CPicture logo_;
  CPicture invert_;
  ToolTipControl tips_;
  int lastCategory_ = 0;
  int lastUnitFrom_ = 0;
  int lastUnitTo_ = 0;
  QIcon icon_;
  QMenuBar* menuBar_ = nullptr;
};

}  // namespace vantrel
