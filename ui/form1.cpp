// SPDX-License-Identifier: GPL-3.0-or-later
// The window: the control table, the status bar's panels and the event wiring.
#include "form1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <vector>

#include "accessibility.h"
#include "command_button.h"
#include "date_picker.h"
#include "fixed_size.h"
#include "frame.h"
#include "key_down.h"
#include "message_box.h"
#include "product.h"
#include "result_box.h"
#include "status_bar.h"
#include "text_fit.h"
#include "translations.h"
#include "twips.h"
#include "window_icon.h"

namespace calvanir::ui {
namespace {

constexpr int kClientWidthTwips = 4320;
constexpr int kClientHeightTwips = 6105;

enum class Kind { Frame, Divider, Label, Picker, TextBox, ResultBox, Button, Option, StatusBar };

// An English text of the window and what it means, for a translator; the two are the key to its
// translations in the context "Form1".
struct Text {
  const char* source = nullptr;
  const char* comment = nullptr;
};

QString Translated(const Text& text) {
  return text.source ? QCoreApplication::translate("Form1", text.source, text.comment) : QString{};
}

struct ControlRow {
  const char* name;
  Kind kind;
  Text caption;                  // the caption of a frame, label, button or option
  int left, top, width, height;  // twips, in the window's client area
  int tabIndex;
  const char* container;  // the frame it sits in; nullptr: on the window itself
  Text accessibleName;    // for screen readers where the caption does not say it
};

// clang-format off
constexpr ControlRow kControls[] = {
  {"Frame1",     Kind::Frame,     QT_TRANSLATE_NOOP3("Form1", "Count The Interval Between Two Dates", "frame title"),
                                                  0,    0, 2895, 2775,  0, nullptr,  {}},
  {"Label1",     Kind::Label,     QT_TRANSLATE_NOOP3("Form1", "First Date", "label over the first date, short"),
                                                120,  360,  855,  255,  4, "Frame1", {}},
  {"DTPicker1",  Kind::Picker,    {},           120,  600, 1095,  375,  2, "Frame1", QT_TRANSLATE_NOOP3("Form1", "First Date", "spoken name of the first date picker")},
  {"Label2",     Kind::Label,     QT_TRANSLATE_NOOP3("Form1", "Last Date", "label over the last date, short"),
                                               1680,  360,  615,  255,  5, "Frame1", {}},
  {"DTPicker2",  Kind::Picker,    {},          1680,  600, 1095,  375,  3, "Frame1", QT_TRANSLATE_NOOP3("Form1", "Last Date", "spoken name of the last date picker")},
  {"Frame4",     Kind::Frame,     QT_TRANSLATE_NOOP3("Form1", "Results", "frame title over the four counts"),
                                               3000,    0, 1335, 2775, 13, nullptr,  {}},
  {"Text1",      Kind::ResultBox, {},          3120,  240, 1095,  375, 10, "Frame4", QT_TRANSLATE_NOOP3("Form1", "Days result", "spoken name of a result box")},
  {"Text2",      Kind::ResultBox, {},          3120,  720, 1095,  375, 11, "Frame4", QT_TRANSLATE_NOOP3("Form1", "Weeks result", "spoken name of a result box")},
  {"Text3",      Kind::ResultBox, {},          3120, 1200, 1095,  375, 12, "Frame4", QT_TRANSLATE_NOOP3("Form1", "Months result", "spoken name of a result box")},
  {"Text4",      Kind::ResultBox, {},          3120, 1680, 1095,  375, 15, "Frame4", QT_TRANSLATE_NOOP3("Form1", "Years result", "spoken name of a result box")},
  {"Command1",   Kind::Button,    QT_TRANSLATE_NOOP3("Form1", "Calculate", "button"),
                                               3240, 2160,  855,  495, 14, "Frame4", QT_TRANSLATE_NOOP3("Form1", "Calculate the interval", "spoken name of the upper button")},
  {"Frame8",     Kind::Divider,   {},             0, 2760, 4335,  135, 23, nullptr,  {}},
  {"Frame3",     Kind::Frame,     QT_TRANSLATE_NOOP3("Form1", "Add/Subtract An Interval", "frame title"),
                                                  0, 3000, 2895, 1335,  6, nullptr,  {}},
  {"Label4",     Kind::Label,     QT_TRANSLATE_NOOP3("Form1", "Base Date", "label over the date an interval is added to"),
                                                120, 3360, 1215,  255,  8, "Frame3", {}},
  {"DTPicker3",  Kind::Picker,    {},           120, 3600, 1095,  375,  7, "Frame3", QT_TRANSLATE_NOOP3("Form1", "Base Date", "spoken name of the base date picker")},
  {"Label5",     Kind::Label,     QT_TRANSLATE_NOOP3("Form1", "Interval", "label over the count to add or subtract"),
                                               1680, 3360, 1095,  255,  9, "Frame3", {}},
  {"Text5",      Kind::TextBox,   {},          1680, 3600, 1095,  375, 18, "Frame3", QT_TRANSLATE_NOOP3("Form1", "Interval", "spoken name of the box for the count")},
  {"Frame6",     Kind::Frame,     QT_TRANSLATE_NOOP3("Form1", "Resulting Date", "frame title"),
                                               3000, 3000, 1335, 2655, 17, nullptr,  {}},
  {"DTPicker4",  Kind::Picker,    {},          3120, 3600, 1095,  375, 16, "Frame6", QT_TRANSLATE_NOOP3("Form1", "Resulting Date", "spoken name of the resulting date picker")},
  {"Command2",   Kind::Button,    QT_TRANSLATE_NOOP3("Form1", "Calculate", "button"),
                                               3240, 5040,  855,  495, 27, "Frame6", QT_TRANSLATE_NOOP3("Form1", "Calculate the resulting date", "spoken name of the lower button")},
  {"Frame7",     Kind::Frame,     QT_TRANSLATE_NOOP3("Form1", "Interval Type", "frame title over the units"),
                                                  0, 4440, 1575, 1215, 19, nullptr,  {}},
  {"Option1",    Kind::Option,    QT_TRANSLATE_NOOP3("Form1", "Days", "the unit to add or subtract"),
                                                120, 4800,  615,  255, 20, "Frame7", {}},
  {"Option2",    Kind::Option,    QT_TRANSLATE_NOOP3("Form1", "Weeks", "the unit to add or subtract"),
                                                120, 5040,  735,  255, 21, "Frame7", {}},
  {"Option3",    Kind::Option,    QT_TRANSLATE_NOOP3("Form1", "Months", "the unit to add or subtract"),
                                                120, 5280,  735,  225, 22, "Frame7", {}},
  {"Frame9",     Kind::Frame,     QT_TRANSLATE_NOOP3("Form1", "Operation", "frame title over add and subtract"),
                                               1680, 4440, 1215, 1215, 24, nullptr,  {}},
  {"Option4",    Kind::Option,    QT_TRANSLATE_NOOP3("Form1", "Add", "the operation"),
                                               1800, 4800,  615,  225, 25, "Frame9", {}},
  {"Option5",    Kind::Option,    QT_TRANSLATE_NOOP3("Form1", "Subtract", "the operation"),
                                               1800, 5040,  855,  255, 26, "Frame9", {}},
  {"StatusBar1", Kind::StatusBar, {},             0, 5850, 4320,  255,  1, nullptr,  QT_TRANSLATE_NOOP3("Form1", "Status", "spoken name of the status bar")},
};
// clang-format on

// The status bar's panels in the order start-up sets them up; widths in twips. Together they are
// wider than the bar: the notice is cut off at the window's right edge.
struct StatusPanelRow {
  StatusBar::Style style;
  int widthTwips;
  Qt::Alignment alignment;
};
constexpr StatusPanelRow kStatusPanels[] = {
    {StatusBar::Style::Date, 800, Qt::AlignLeft},
    {StatusBar::Style::CapsLock, 500, Qt::AlignHCenter},
    {StatusBar::Style::NumLock, 500, Qt::AlignHCenter},
    {StatusBar::Style::Text, 4000, Qt::AlignHCenter},  // the notice
};

const ControlRow& RowOf(const char* name) {
  const auto row =
      std::find_if(std::begin(kControls), std::end(kControls),
                   [name](const ControlRow& row) { return qstrcmp(row.name, name) == 0; });
  if (row == std::end(kControls)) qFatal("Form1: the control table has no row %s", name);
  return *row;
}

QWidget* NewControl(const ControlRow& row, QWidget* parent) {
  const QString caption = Translated(row.caption);
  switch (row.kind) {
    case Kind::Frame:
      return new Frame(caption, parent);
    case Kind::Divider:
      return new Divider(parent);
    case Kind::Label:
      return new QLabel(caption, parent);
    case Kind::Picker:
      return new DatePicker(parent);
    case Kind::TextBox:
      return new QLineEdit(parent);
    case Kind::ResultBox:
      return new ResultBox(parent);
    case Kind::Button:
      return new CommandButton(caption, parent);
    case Kind::Option:
      return new QRadioButton(caption, parent);
    case Kind::StatusBar:
      return new StatusBar(parent);
  }
  return nullptr;
}

bool TakesFocus(Kind kind) {
  return kind != Kind::Frame && kind != Kind::Divider && kind != Kind::Label &&
         kind != Kind::StatusBar;
}

template <class E>
std::size_t Index(E e) {
  return static_cast<std::size_t>(e);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      messageSink_(&ShowMessageBox) {
  InstallAccessibleInterfaces();
  GiveAccessibleRole(this, QAccessible::Window);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kCaption));
  GiveWindowIcon(*this);
  setFont(WindowFont());
  setFixedSize(PixelsFromTwips(kClientWidthTwips), PixelsFromTwips(kClientHeightTwips));
  KeepNormalSize(*this);
  BuildControls();
  Wire();
  calculator_.StartUp();
  showsEveryTextWhole_ = FitFont(*this, [this] { return AllShowWhole(); });
  pickers_[0]->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() {
  // The controls outlive the Controls part of this object while QWidget deletes them, and a picker
  // losing the focus then still raises its validate event: let none of their last events through.
  for (QObject* child : findChildren<QObject*>())
    child->disconnect(this);
}

QString StatusNotice() {
  return QCoreApplication::translate("Form1", "AD %1–%2", "the years the dates may have")
      .arg(static_cast<int>(kPickerFirst.year()))
      .arg(static_cast<int>(kPickerLast.year()));
}

// A name missing from the table, or a control of another kind, stops the program at start.
template <class T>
T* Form1::Find(const char* name) const {
  const auto found = byName_.find(QString::fromLatin1(name));
  T* control = found == byName_.end() ? nullptr : qobject_cast<T*>(found->second);
  if (!control) qFatal("Form1: no %s named %s", T::staticMetaObject.className(), name);
  return control;
}

void Form1::BuildControls() {
  std::vector<const ControlRow*> tabOrder;
  for (const ControlRow& row : kControls) {
    QWidget* parent = this;
    int left = row.left, top = row.top;
    if (row.container) {
      const ControlRow& frame = RowOf(row.container);
      parent = Find<QWidget>(frame.name);
      left -= frame.left;
      top -= frame.top;
    }
    QWidget* control = NewControl(row, parent);
    control->setObjectName(QString::fromLatin1(row.name));
    control->setGeometry(TwipsRect(left, top, row.width, row.height));
    if (row.accessibleName.source) control->setAccessibleName(Translated(row.accessibleName));
    control->setFocusPolicy(TakesFocus(row.kind) ? Qt::StrongFocus : Qt::NoFocus);
    if (TakesFocus(row.kind)) tabOrder.push_back(&row);
    byName_[control->objectName()] = control;
  }
  std::sort(tabOrder.begin(), tabOrder.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(Find<QWidget>(tabOrder[i - 1]->name), Find<QWidget>(tabOrder[i]->name));
  }

  pickers_ = {Find<DatePicker>("DTPicker1"), Find<DatePicker>("DTPicker2"),
              Find<DatePicker>("DTPicker3"), Find<DatePicker>("DTPicker4")};
  texts_ = {Find<QLineEdit>("Text1"), Find<QLineEdit>("Text2"), Find<QLineEdit>("Text3"),
            Find<QLineEdit>("Text4"), Find<QLineEdit>("Text5")};
  options_ = {Find<QRadioButton>("Option1"), Find<QRadioButton>("Option2"),
              Find<QRadioButton>("Option3"), Find<QRadioButton>("Option4"),
              Find<QRadioButton>("Option5")};
  command1_ = Find<QPushButton>("Command1");
  command2_ = Find<QPushButton>("Command2");
  statusBar_ = Find<StatusBar>("StatusBar1");
}

bool Form1::AllShowWhole() const {
  return std::all_of(std::begin(kControls), std::end(kControls), [this](const ControlRow& row) {
    return ShowsWholeText(*Find<QWidget>(row.name));
  });
}

void Form1::Wire() {
  DateCalculator* c = &calculator_;
  // clang-format off
  // control           event                    operation
  connect(pickers_[0], &DatePicker::changed,    this, [c] { c->RefreshFirstDate(); });
  connect(pickers_[0], &DatePicker::validating, this, [c] { c->RefreshFirstDate(); });
  connect(pickers_[1], &DatePicker::changed,    this, [c] { c->RefreshLastDate(); });
  connect(pickers_[1], &DatePicker::validating, this, [c] { c->RefreshLastDate(); });
  connect(pickers_[2], &DatePicker::changed,    this, [c] { c->RefreshBaseDate(); });
  connect(pickers_[2], &DatePicker::validating, this, [c] { c->RefreshBaseDate(); });
  connect(command1_,   &QPushButton::clicked,   this, [c] { c->CountInterval(); });
  connect(command2_,   &QPushButton::clicked,   this, [c] { c->ShiftInterval(); });
  OnKeyDown(texts_[0], /* key down */                 [c](KeyCode) { c->GuardResultBox(TextBox::Text1); return false; });
  OnKeyDown(texts_[1], /* key down */                 [c](KeyCode) { c->GuardResultBox(TextBox::Text2); return false; });
  OnKeyDown(texts_[2], /* key down */                 [c](KeyCode) { c->GuardResultBox(TextBox::Text3); return false; });
  OnKeyDown(texts_[3], /* key down */                 [c](KeyCode) { c->GuardResultBox(TextBox::Text4); return false; });
  OnKeyDown(texts_[4], /* key down */                 [c](KeyCode code) { return c->FilterIntervalKey(code); });
  // textChanged, not textEdited: the program's own writes are changes too.
  connect(texts_[4],   &QLineEdit::textChanged, this, [c] { c->CheckIntervalSize(); });
  // clang-format on

  // The keys every desktop program closes its window with; a text box answers them as any key.
  for (const Qt::Key key : {Qt::Key_Q, Qt::Key_W})
    connect(new QShortcut(Qt::CTRL | key, this), &QShortcut::activated, this, &QWidget::close);

  // What a sighted user sees at once after either Calculate, a screen reader user hears.
  for (QPushButton* command : {command1_, command2_})
    connect(command, &QPushButton::pressed, this, [this] { messageShown_ = false; });
  connect(command1_, &QPushButton::clicked, this, [this] {
    QStringList results;
    for (const QLineEdit* box : {texts_[0], texts_[1], texts_[2], texts_[3]})
      results << box->text();
    SpeakResult(results.join(QLatin1Char(' ')));
  });
  connect(command2_, &QPushButton::clicked, this,
          [this] { SpeakResult(FullDate(pickers_[3]->locale(), pickers_[3]->date())); });
}

void Form1::SpeakResult(const QString& result) {
  if (!messageShown_) statusBar_->Announce(result);
}

CalendarDate Form1::Value(Picker picker) const {
  return pickers_[Index(picker)]->Value();
}

Status Form1::SetValue(Picker picker, CalendarDate date) {
  return pickers_[Index(picker)]->SetValue(date);
}

std::string Form1::Text(TextBox box) const {
  return texts_[Index(box)]->text().toStdString();
}

void Form1::SetText(TextBox box, std::string_view text) {
  texts_[Index(box)]->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void Form1::ShowResult(IntervalUnit unit, std::int32_t count) {
  texts_[Index(kResultBoxes[Index(unit)])]->setText(ResultText(unit, count));
}

bool Form1::Selected(OptionButton option) const {
  return options_[Index(option)]->isChecked();
}

void Form1::Select(OptionButton option) {
  options_[Index(option)]->setChecked(true);
}

void Form1::ShowMessage(std::string_view text) {
  messageShown_ = true;
  messageSink_(this, MessageText(text));
}

void Form1::SetUpStatusBar() {
  // The bar has its first panel already; the others are added.
  for (const StatusPanelRow& panel : kStatusPanels) {
    const QString text = panel.style == StatusBar::Style::Text ? StatusNotice() : QString{};
    if (&panel == std::begin(kStatusPanels)) {
      statusBar_->SetUpPanel(0, panel.widthTwips, panel.style, text, panel.alignment);
    } else {
      statusBar_->AddPanel(panel.widthTwips, panel.style, text, panel.alignment);
    }
  }
}

}  // namespace calvanir::ui
