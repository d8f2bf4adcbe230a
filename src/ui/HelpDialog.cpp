#include "ui/HelpDialog.h"

#include <QColor>
#include <QFile>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "settings/SettingsLocation.h"
#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/Contrast.h"
#include "ui/kit/RichEdit.h"
#include "ui/kit/Shell.h"

namespace vantrel {
namespace {

// The guide, in order: each section a bold heading, a blank line and its
// text, a blank line between sections. The last one names the settings file
// (%1) and its folder (%2).
struct Section {
  const char* heading;
  const char* text;
};

constexpr Section kSections[] = {
    {QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Use"),
     QT_TRANSLATE_NOOP(
         "vantrel::CHelpDialog",
         "Select the category of your units, and the units to convert to and from.Then enter "
         "your value in the Input Box :\r\n\r\nas Decimal, e.g. 1.75\r\nas Exponent, e.g. "
         "1.2e-5\r\nas Partial Fraction, e.g. 7/8 \r\nas Mixed Fraction, e.g. 2+3/4  (for "
         "2¾)\r\nas Mixed Expression, e.g. "
         "sin(-50.01+10^(sin(-0.1/21.11)-(cos(12)^0.1)^3.11))\r\n\r\nThe converted units are "
         "displayed instantly in the Output Box.\r\nThe input and output units can be inverted "
         "using the invert option from the Edit menu, or by clicking the invert icon located "
         "between INPUT and OUTPUT list boxes. Ctrl + I is a shortcut for quickly inverting "
         "units")},
    {QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Find"),
     QT_TRANSLATE_NOOP(
         "vantrel::CHelpDialog",
         "Under Edit Menu, click on Find, or use shortcut key Ctrl + F to quickly open the Find "
         "dialog box. Type in the desired unit or category into the edit box to narrow the list "
         "of possible matches that are displayed in the list box below. Double click any unit in "
         "the list box or push the Go button to dismiss the find box and jump to that category "
         "and unit in the main window.")},
    {QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Preferences"),
     QT_TRANSLATE_NOOP("vantrel::CHelpDialog",
                       "Under menu Edit, Preferences, you can:\r\n\r\nDisplay more/less "
                       "categories under Visible Categories\r\nRemember last used categories and "
                       "units under General\r\nChange the precision and format of the conversion "
                       "output")},
    {QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Customizations"),
     QT_TRANSLATE_NOOP("vantrel::CHelpDialog",
                       "For Custom units and preferences to be stored, a small file named %1 is "
                       "written to the %2 folder. You may transfer this file to other computers "
                       "to transfer your customizations.")},
};
const QString kBlankLine = QStringLiteral("\r\n\r\n");

// The headings bold, the folder blue.
constexpr QRgb kFolderColour = qRgb(50, 50, 255);

// The settings file's folder with a closing slash, as the guide names it.
QString SettingsFolder(const std::filesystem::path& settings) {
  if (settings.empty()) {
    return QStringLiteral("~/.config/%1/").arg(QLatin1String(kSettingsFolderName));
  }
  return QFile::decodeName(settings.parent_path().c_str()) + QLatin1Char('/');
}

void FormatFirstMatch(RichEdit& edit, const QString& text, const std::function<void()>& format) {
  const int at = edit.FindText(text);
  if (at < 0) return;
  edit.SetSel(at, at + static_cast<int>(text.size()));
  format();
}

}  // namespace

CHelpDialog::CHelpDialog(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kHelpDialog, context.dialogFont, parent),
      context_(context) {}

void CHelpDialog::OnInitDialog() {
  AddRoutes({{ids::kManualButton, Notification::kClicked, [this] { OnOnlineManual(); }}});
  const std::filesystem::path& settings = context_.profile.File();
  const QString folder = SettingsFolder(settings);
  const QString file = settings.empty() ? QString(QLatin1String(kSettingsFileName))
                                        : QFile::decodeName(settings.filename().c_str());
  // Where each heading shows: a line break is one character there.
  QString text;
  std::vector<std::pair<int, int>> headings;
  for (const Section& section : kSections) {
    if (!text.isEmpty()) text += kBlankLine;
    const QString heading = tr(section.heading);
    const auto at = static_cast<int>(text.size() - text.count(QStringLiteral("\r\n")));
    headings.emplace_back(at, at + static_cast<int>(heading.size()));
    text += heading + kBlankLine + tr(section.text);
  }
  text = text.arg(file, folder);

  RichEdit& help = *ItemAs<RichEdit>(ids::kHelpText);
  help.SetText(text);
  for (const auto& [start, end] : headings) {
    help.SetSel(start, end);
    help.SetSelectionBold(true);
  }
  // Blue, lightened where the text's background is dark until it reads.
  const QColor blue = KeepReadable(QColor(kFolderColour), help.palette().color(QPalette::Base));
  FormatFirstMatch(help, folder, [&] { help.SetSelectionColor(blue); });
  help.SetSel(0, 0);
}

void CHelpDialog::OnOnlineManual() {
  // The dialog stays open; a refusal of the desktop's is not reported.
  if (!context_.manual.isEmpty()) context_.shell.OpenAddress(context_.manual);
}

}  // namespace vantrel
