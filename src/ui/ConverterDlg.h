// The converter window: a category, an input and an output unit, a value typed
// as a number or an expression, and the result on every change.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "platform/Profile.h"
#include "ui/Picture.h"
#include "ui/kit/TemplateDialog.h"
#include "ui/kit/ToolTipControl.h"
#include "units/CustomStore.h"
#include "units/UnitCatalogue.h"

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

  CUnitCatalogue& Catalogue() { return catalogue_; }
  const ToolTipControl& ToolTips() const { return tips_; }

 protected:
  void OnBeforeCreate() override;
  void OnInitDialog() override;
  // Enter does nothing here; Escape is a close request like the close box.
  void OnOK() override {}
  void OnCancel() override { close(); }
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void LoadSettings();
  void SelectRememberedCategory();
  // Shows what the start options choose (AppContext::start), and says what
  // was wrong with them once the window is there.
  void ShowStartChoice();
  // The category, input unit and output unit indexes as the lists have them.
  std::array<int, 3> Selection() const;
  // What the first picture of the window does not need (the icon, the hand
  // cursor, the tooltips, the start's write): done once it is on the screen.
  void FinishStart();
  // Says once per run that the settings file cannot be used, and why.
  void ReportSettingsProblem(const FileProblem& problem);
  // Says which custom units were left out for their coefficient.
  void ReportUnusableUnits(const std::vector<CustomUnitEntry>& skipped);
  // A message box captioned "Error": now, or once the event loop runs.
  void ShowError(const QString& text);
  void ShowErrorLater(const QString& text);
  void PlaceLogo();
  void CreateToolTips();
  void ShowAtStart();
  void OpenHomePage();

  // The menu bar, the accelerators and the commands' handlers
  // (ConverterCommands.cpp).
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
  void OnContents();
  void OnAbout();

  AppContext& context_;
  CUnitCatalogue& catalogue_;  // the context's
  QString inputText_ = QStringLiteral("1");
  QString outputText_;
  CPicture logo_;
  CPicture invert_;
  ToolTipControl tips_;
  int lastCategory_ = 0;
  int lastUnitFrom_ = 0;
  int lastUnitTo_ = 0;
  // The selection the start options chose, while it is shown: it is not
  // remembered unless the user chooses it again.
  std::optional<std::array<int, 3>> startSelection_;
  // The settings file read once for the whole start, until the window shows.
  std::optional<Profile> startSettings_;
  // The start's writes wait for the first paint, or join the close request's.
  std::optional<Profile::Batch> startWrites_;
  bool painted_ = false;
  bool started_ = false;
  bool closing_ = false;
};

}  // namespace vantrel
