// Dialog data exchange: a dialog binds each control to a member in
// DoDataExchange, once for both directions. UpdateData(true) reads every
// bound control into its member, UpdateData(false) writes the members back;
// a write of the text a control already holds raises no change.
//
// A box bound to an integer that holds no whole number (empty, "-", "1.5")
// stops the reading there: later controls are not read, the user is told
// "Enter an integer." and the box gets the focus with its text selected.
#pragma once

#include <QString>

namespace vantrel {

class TemplateDialog;

class DataExchange {
 public:
  DataExchange(TemplateDialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

  bool Saving() const { return saving_; }
  // The id of the control that held no valid value, or 0.
  int FailedId() const { return failedId_; }
  const QString& FailureText() const { return failureText_; }

  void Text(int id, QString& value);
  void Int(int id, int& value);
  // 1 checked, 0 clear.
  void Check(int id, int& value);
  // The index of the checked radio in the group that starts with `firstId`,
  // -1 when none is checked (writing -1 clears the group).
  void Radio(int firstId, int& value);

 private:
  bool Skipping() const { return failedId_ != 0; }

  TemplateDialog& dialog_;
  const bool saving_;
  int failedId_ = 0;
  QString failureText_;
};

// A whole number as the platform reads one from a box: leading blanks, an
// optional sign, digits and nothing after them; within the range of int.
bool ReadWholeNumber(const QString& text, int& value);

}  // namespace vantrel
