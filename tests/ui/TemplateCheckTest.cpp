// Faults a dialog template can have that no compiler sees, checked for every
// template the program registers: a new dialog is checked as soon as it is
// added to AddProgramTemplates.
#include <gtest/gtest.h>

#include <QRect>
#include <algorithm>
#include <string>
#include <vector>

#include "KitTestSupport.h"
#include "ui/DialogTemplates.h"
#include "ui/kit/TemplateDialog.h"
#include "ui/kit/TemplateRules.h"

namespace vantrel {
namespace {

std::string Name(const ControlTemplate& control, std::size_t index) {
  return "control " + std::to_string(index) + " (id " + std::to_string(control.id) + ")";
}

// Tab stops in the order Tab visits them in the built dialog.
std::vector<int> TabOrder(const DialogTemplate& dialog) {
  const DialogTemplateRegistry registry = testing::RegistryOf({dialog});
  TemplateDialog built(registry, dialog.id, PreferredFont{});
  if (!built.Create()) return {};
  std::vector<QWidget*> controls;
  for (const ControlTemplate& control : dialog.controls) {
    controls.push_back(built.findChild<QWidget*>(QStringLiteral("item%1").arg(control.id)));
  }
  std::vector<int> order;
  QWidget* widget = &built;
  for (std::size_t step = 0; step <= 4 * controls.size(); ++step) {
    widget = widget->nextInFocusChain();
    if (widget == &built) break;
    const auto found = std::find(controls.begin(), controls.end(), widget);
    if (found != controls.end() && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()) {
      order.push_back(dialog.controls[found - controls.begin()].id);
    }
  }
  return order;
}

std::vector<std::string> TemplateProblems(const DialogTemplate& dialog) {
  std::vector<std::string> problems;
  const std::vector<ControlTemplate>& controls = dialog.controls;
  const QRect client(0, 0, dialog.cx, dialog.cy);
  std::vector<int> tabStops;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlTemplate& control = controls[i];
    if (control.id != kIdStatic &&
        std::count_if(controls.begin(), controls.begin() + i,
                      [&](const ControlTemplate& other) { return other.id == control.id; })) {
      problems.push_back("id " + std::to_string(control.id) + " is used twice");
    }
    if (!client.contains(ControlPlace(control)))
      problems.push_back(Name(control, i) + " is outside");
    if ((control.style & kTabStop) && !(control.style & kDisabled)) tabStops.push_back(control.id);
    for (std::size_t j = 0; j < i; ++j) {
      const QRect a = ControlPlace(controls[j]);
      const QRect b = ControlPlace(control);
      if (!a.intersects(b)) continue;
      const bool aFrame = controls[j].kind == ControlKind::kGroupBox;
      const bool bFrame = control.kind == ControlKind::kGroupBox;
      if ((aFrame && a.contains(b)) || (bFrame && b.contains(a))) continue;
      problems.push_back(Name(controls[j], j) + " and " + Name(control, i) + " overlap");
    }
  }
  if (TabOrder(dialog) != tabStops) problems.push_back("Tab misses or reorders the tab stops");
  return problems;
}

TEST(ProgramTemplates, HaveUniqueIdsNoStrayOrOverlappingControlsAndATabOrder) {
  DialogTemplateRegistry registry;
  AddProgramTemplates(registry);
  ASSERT_FALSE(registry.Ids().empty());
  for (int id : registry.Ids()) {
    SCOPED_TRACE(id);
    EXPECT_EQ(TemplateProblems(*registry.Find(id)), std::vector<std::string>{});
  }
}

TEST(TemplateCheck, FindsEachFault) {
  using K = ControlKind;
  const ControlTemplate frame{kIdStatic, K::kGroupBox, "Frame", 5, 5, 100, 40, kNoStyle};
  const ControlTemplate edit{10, K::kEdit, "", 10, 15, 50, 12, kTabStop};
  const ControlTemplate list{11, K::kListBox, "", 10, 50, 50, 30, kTabStop};
  const ControlTemplate drop{12, K::kDropDownList, "", 70, 50, 50, 100, kTabStop};
  const struct {
    std::vector<ControlTemplate> controls;
    std::vector<std::string> problems;
  } cases[] = {
      {{frame, edit, list, drop}, {}},
      {{frame, edit, {10, K::kCheckBox, "", 10, 30, 50, 10, kNoStyle}}, {"id 10 is used twice"}},
      {{edit, {13, K::kEdit, "", 140, 15, 20, 12, kNoStyle}}, {"control 1 (id 13) is outside"}},
      {{edit, {13, K::kCheckBox, "", 50, 20, 30, 10, kNoStyle}},
       {"control 0 (id 10) and control 1 (id 13) overlap"}},
      {{edit, {kIdStatic, K::kGroupBox, "", 30, 5, 100, 40, kNoStyle}},
       {"control 0 (id 10) and control 1 (id -1) overlap"}},
      {{list, {13, K::kEdit, "", 10, 40, 50, 12, kDisabled | kTabStop}},
       {"control 0 (id 11) and control 1 (id 13) overlap"}},
      {{edit, {kIdStatic, K::kText, "Label", 10, 30, 50, 8, kTabStop}},
       {"Tab misses or reorders the tab stops"}},
  };
  for (const auto& c : cases) {
    DialogTemplate dialog{900, "Check", 150, 100, "DejaVu Sans", 8, kSysMenu, c.controls};
    EXPECT_EQ(TemplateProblems(dialog), c.problems);
  }
}

}  // namespace
}  // namespace vantrel
