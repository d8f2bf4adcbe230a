// A tool dialog that makes at most one change to the catalogue per opening:
// it keeps the catalogue's last result for its opener, tells a refused change
// why in an error box, and tells a done one before it closes as OK.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;
class CUnitCatalogue;

class CatalogueChangeDialog : public TemplateDialog {
  Q_OBJECT

 public:
  // What a new name is: a unit's or a category's, each said in its dialog's words.
  enum class NameKind { kUnit, kCategory };

  // The catalogue's result of the last add or remove; 0 before any.
  int LastResult() const { return lastResult_; }

 protected:
  CatalogueChangeDialog(AppContext& context, int templateId, QWidget* parent);

  struct Refusal {
    int result;
    QString text;
  };
  // Keeps the result. Done: tells `done` and closes. A result among the
  // refusals: tells its text. Any other result shows nothing.
  void Report(int outcome, const QString& done, std::initializer_list<Refusal> refusals);
  // Input refused before the catalogue saw it.
  void Refuse(const QString& text);

  // A new name has 2 to 25 characters, blanks included; false, telling so, when not.
  bool CheckNameLength(std::string_view name, NameKind kind);
  // Report for an add of the name (as a message shows it): the refusal of a
  // name taken, one the settings file cannot hold, one differing from
  // another only in letter case, or `notAdded` for a file not written.
  void ReportAdd(int outcome, NameKind kind, const QString& name, const QString& done,
                 const QString& notAdded);
  // A name as a message shows it: whole, or, for one a hand-edited settings
  // file made long, its start and its length.
  static QString Shown(std::string_view name);
  // A category as the window shows it, and as Shown says it.
  static QString ShownCategory(const std::string& name);

  AppContext& context_;
  CUnitCatalogue& catalogue_;  // the context's

 private:
  int lastResult_ = 0;
};

}  // namespace vantrel
