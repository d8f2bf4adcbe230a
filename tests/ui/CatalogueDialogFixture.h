// A fixture for the dialogs that change the catalogue: the built-in catalogue
// in a context whose settings file is in a fresh folder, and a shell that
// records the message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "WindowTest.h"
#include "ui/kit/DropDownList.h"
#include "units/BuiltinCatalogue.h"
#include "units/UnitCatalogue.h"

namespace vantrel::testing {

// Chooses an entry, by its key, as a user does, so that the dialog hears of it.
inline void Pick(DropDownList* list, const QString& entry) {
  const int index = list->FindKey(entry);
  ASSERT_GE(index, 0) << entry.toStdString();
  list->setCurrentIndex(index);
}

class CatalogueDialogTest : public WindowTest {
 protected:
  CatalogueDialogTest() { BuildBuiltinCatalogue(catalogue_); }

  // The entry's value, or "-" when the file has no such key.
  std::string Stored(std::string_view section, std::string_view key) {
    return context_.profile.GetString(section, key, "-");
  }

  CUnitCatalogue& catalogue_ = context_.catalogue;
};

}  // namespace vantrel::testing
