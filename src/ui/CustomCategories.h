// "Add / Remove Categories": creates an empty category of the user's own or
// removes one created that way, with its units. Enter adds.
#pragma once

#include "ui/CatalogueChangeDialog.h"

namespace vantrel {

class CCustomCategories : public CatalogueChangeDialog {
  Q_OBJECT

 public:
  explicit CCustomCategories(AppContext& context, QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;

 private:
  void OnAdd();
  void OnRemove();
};

}  // namespace vantrel
