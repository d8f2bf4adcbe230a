#include "ui/kit/PropertySheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/kit/DialogUnits.h"
#include "ui/kit/FocusRing.h"
#include "ui/kit/PropertyPage.h"
#include "ui/kit/StandardIds.h"

namespace vantrel {
namespace {

// The sheet's margins and buttons in dialog units, as the platform lays out
// its own sheets.
constexpr int kMargin = 7;
constexpr int kGap = 4;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

}  // namespace

PropertySheet::PropertySheet(const QString& caption, const PreferredFont& font, QWidget* parent)
    : QDialog(parent), caption_(caption), font_(font) {}

PropertySheet::~PropertySheet() {
  for (const QPointer<PropertyPage>& page : pages_) {
    if (page) page->setParent(nullptr);
  }
}

void PropertySheet::AddPage(PropertyPage* page) { pages_.emplace_back(page); }

PropertyPage* PropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[index].data() : nullptr;
}

bool PropertySheet::Create() {
  if (created_) return true;
  const QFont font = DialogFontOf(font_);
  for (const QPointer<PropertyPage>& page : pages_) {
    if (!page) return false;
    if (scalePages_) page->BuildInTemplateFont();
    if (!page->Create()) return false;
    if (scalePages_) page->RefontWithLayoutScaling(font);
  }
  created_ = true;
  setWindowTitle(caption_);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(font);
  const DialogBaseUnits base = BaseUnitsOf(font);
  const QRect margin = DialogUnitsToPixels(QRect(0, 0, kMargin, kMargin), base);
  const QSize button = DialogUnitsToPixels(QRect(0, 0, kButtonWidth, kButtonHeight), base).size();

  tabs_ = new QTabWidget(this);
  for (const QPointer<PropertyPage>& page : pages_) tabs_->addTab(page, page->windowTitle());
  // A clicked tab takes the focus, as the platform's do: the focus does not
  // wander into the page that comes up, which may count the focus as a change.
  tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
  ok_ = new QPushButton(tr("OK"), this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  for (QPushButton* each : {ok_, cancel_}) each->setFixedSize(button);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &PropertySheet::OnOK);
  connect(cancel_, &QPushButton::clicked, this, [this] { done(kIdCancel); });

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(DialogUnitsToPixels(QRect(0, 0, kGap, 0), base).width());
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
  layout->setSpacing(margin.height());
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  // The pages keep their template sizes: the sheet fits the largest.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  tabs_->setCurrentIndex(0);
  // The platform's keys for the next and the previous page, from anywhere in
  // the sheet (Qt's tab widget knows only Ctrl+Tab, and only from inside it).
  const struct {
    QKeyCombination key;
    int step;
  } turns[] = {{Qt::CTRL | Qt::Key_Tab, 1},
               {Qt::CTRL | Qt::Key_PageDown, 1},
               {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
               {Qt::CTRL | Qt::Key_PageUp, -1}};
  for (const auto& turn : turns) {
    connect(new QShortcut(QKeySequence(turn.key), this), &QShortcut::activated, this,
            [this, step = turn.step] { TurnPage(step); });
  }
  new FocusRing(this);
  return true;
}

void PropertySheet::TurnPage(int step) {
  // The tab takes the focus first, as a click on it would: the focus does not
  // fall into the page that comes up.
  tabs_->tabBar()->setFocus(Qt::TabFocusReason);
  const int count = GetPageCount();
  SetActivePage((GetActiveIndex() + step + count) % count);
}

int PropertySheet::DoModal() {
  if (!Create()) return -1;
  const int result = exec();
  return result == kIdOk ? kIdOk : kIdCancel;
}

int PropertySheet::GetActiveIndex() const { return tabs_ ? tabs_->currentIndex() : -1; }

void PropertySheet::SetActivePage(int index) {
  if (tabs_) tabs_->setCurrentIndex(index);
}

QPushButton* PropertySheet::Button(int id) const {
  return id == kIdOk ? ok_ : id == kIdCancel ? cancel_ : nullptr;
}

void PropertySheet::OnOK() {
  for (const QPointer<PropertyPage>& page : pages_) {
    if (page) page->Apply();
  }
  done(kIdOk);
}

}  // namespace vantrel
