// "Add / Remove Units": defines a unit of any category as a multiple, or an
// inverse multiple, of one of its units, with the formula in a preview, or
// removes a unit added that way. The working selection is the catalogue's own:
// choosing a category makes it current and choosing a source unit makes it
// that category's input unit, so the opener restores its category afterwards.
// Enter adds the unit whose name is typed; with no name typed it closes.
#pragma once

#include <string>

#include "ui/CatalogueChangeDialog.h"

namespace vantrel {

class CCustomUnits : public CatalogueChangeDialog {
  Q_OBJECT

 public:
  explicit CCustomUnits(AppContext& context, QWidget* parent = nullptr);

  // The category of the last successful add or remove; empty before one.
  const std::string& ChangedCategory() const { return changedCategory_; }

 protected:
  void OnInitDialog() override;
  void OnOK() override;

 private:
  void OnSelectCategory();
  void OnSelectSource();
  void RefreshPreview();
  void OnAdd();
  void OnRemove();

  int unitCount_ = 0;
  std::string changedCategory_;
};

}  // namespace vantrel
