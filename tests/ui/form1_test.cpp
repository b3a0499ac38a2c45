// SPDX-License-Identifier: GPL-3.0-or-later
// The window through real key and mouse events on the offscreen platform.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDropEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTimeZone>
#include <QTimer>
#include <QWheelEvent>
#include <QtDBus>
#include <QtTest>

#include "accessibility.h"
#include "clear_edges.h"
#include "color_scheme.h"
#include "data_table.h"
#include "date_picker.h"
#include "form1.h"
#include "frame.h"
#include "look.h"
#include "message_box.h"
#include "product.h"
#include "qt_version.h"
#include "stand_in_portal.h"
#include "status_bar.h"
#include "text_fit.h"
#include "translations.h"

using namespace calvanir;
using namespace calvanir::ui;

// The title a user has always seen: the name, two spaces, the version, eight spaces.
const QString kTitle = QStringLiteral("%1  %2        ").arg(kProductName, kProductVersion);

// What the window had a screen reader speak, in order: the names its notification in the status bar
// appeared with.
struct AnnouncementRecorder : QObject {
  QStringList announced;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show)
      announced << static_cast<QWidget*>(watched)->accessibleName();
    return false;
  }
};

class Form1Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> form;
  QStringList messages;
  QDate dayOfStart;  // the local date just before the window started; midnight may pass since
  AnnouncementRecorder recorder;

  template <class T = QWidget>
  T* Control(const char* name) {
    T* control = form->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QLineEdit* Box(const char* name) { return Control<QLineEdit>(name); }
  // The default locale for the lifetime of the scope.
  struct LocaleScope {
    explicit LocaleScope(const char* locale) {
      QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    }
    ~LocaleScope() { QLocale::setDefault(QLocale::system()); }
  };
  // A picker of its own, made in `locale`, with its date, beside a box that has the focus.
  struct LocalPicker {
    LocaleScope scope;  // first, so that the window is made in the locale
    QWidget window;
    DatePicker* picker;
    LocalPicker(const char* locale, QDate date) : scope(locale) {
      auto* other = new QLineEdit(&window);  // first, so that the picker has never had the focus
      other->setGeometry(8, 40, 73, 25);
      picker = new DatePicker(&window);
      picker->setGeometry(8, 8, 73, 25);
      picker->setDate(date);
      window.show();
      if (!QTest::qWaitForWindowActive(&window)) qFatal("the picker's window never became active");
      other->setFocus();
    }
    QLineEdit* Editor() const { return picker->findChild<QLineEdit*>(); }
  };

  // The middle of the day, month or year in the picker's editor, where a click lands on it; or,
  // `before`, a character short of its first digit, in the gap before it.
  static QPoint SectionCentre(const LocalPicker& local, QDateTimeEdit::Section section,
                              bool before = false) {
    int index = 0;
    while (local.picker->sectionAt(index) != section)
      ++index;
    QLineEdit* editor = local.Editor();
    static const QRegularExpression digits{QStringLiteral("[0-9]+")};
    auto runs = digits.globalMatch(editor->text());
    for (int i = 0; i < index; ++i)
      runs.next();
    const QRegularExpressionMatch run = runs.next();
    const auto x = [editor](int position) {
      editor->setCursorPosition(position);
      return editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const int start = x(run.capturedStart());
    // The picker moves a caret put between the sections to a section's edge: measured instead.
    const int gap = x(0) + editor->fontMetrics().horizontalAdvance(
                               editor->text().left(run.capturedStart() - 1));
    const QPoint centre{before ? gap : (start + x(run.capturedEnd())) / 2, editor->height() / 2};
    editor->setCursorPosition(0);
    return centre;
  }

  // Qt 6.8 and later announce through an accessibility event, which offscreen Qt does not send.
  void ExpectAnnounced(const QStringList& expected) {
    if (!QtSendsAnnouncements()) QCOMPARE(recorder.announced, expected);
  }

  // The contrast, as WCAG 2.1 reckons it, between `background` and the colour in `area` of the
  // image that stands out from it most: what a contrast checker finds, picking the two.
  static double Contrast(const QImage& image, QRect area, QColor background) {
    const auto luminance = [](QColor c) {
      const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
      };
      return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    area &= image.rect();
    const double behind = luminance(background);
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const double ink = luminance(image.pixelColor(x, y));
        strongest =
            std::max(strongest, (std::max(ink, behind) + 0.05) / (std::min(ink, behind) + 0.05));
      }
    return strongest;
  }
  // The colour most of `area` shows.
  static QColor Commonest(const QImage& image, QRect area) {
    QHash<QRgb, int> counts;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        ++counts[image.pixel(x, y)];
    return QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
  }
  static double InkContrast(QWidget* widget, QRect area) {
    return Contrast(widget->grab().toImage(), area, widget->palette().color(QPalette::Window));
  }

  // In the window as shown, in pixels: each text against what it is written on at 4.5:1, and at
  // 3:1 against what surrounds them each edge that shows where a box, picker or button lies, each
  // option's indicator, a picker's arrow against its button, the divider's line.
  void ExpectEveryControlSeen() {
    const QImage shown = form->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    const auto inWindow = [&](const QWidget* w, QRect r) {
      r.translate(w->mapTo(form.get(), QPoint()));
      return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale).toAlignedRect();
    };
    for (QWidget* c : form->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(c) && !qobject_cast<QAbstractButton*>(c) &&
          !qobject_cast<DatePicker*>(c) && !qobject_cast<QLabel*>(c) && !qobject_cast<Divider*>(c))
        continue;
      // Not a picker's editor, nor the status panels, whose lock keys' are dimmed while off.
      if (c->objectName().isEmpty() || qobject_cast<DatePicker*>(c->parentWidget())) continue;
      const auto measure = [c](const QString& kind, double contrast) {
        QVERIFY2(contrast >= (kind == "text" ? 4.5 : 3),
                 qPrintable(QStringLiteral("%1 of %2 at %3:1")
                                .arg(kind, c->objectName())
                                .arg(contrast, 0, 'f', 2)));
      };
      const QRect whole = inWindow(c, c->rect());
      const int band = qCeil(2 * scale);
      // What lies above the control, just clear of it, and the control's own top edge.
      const QRect above(whole.left() + whole.width() / 4, whole.top() - band - 1, whole.width() / 2,
                        band);
      const QRect top(above.left(), whole.top(), above.width(), band);
      if (auto* option = qobject_cast<QRadioButton*>(c)) {
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect indicator =
            inWindow(c, c->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, c));
        const QRect caption =
            inWindow(c, c->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, c));
        measure(option->isChecked() ? "option, on" : "option, off",
                Contrast(shown, indicator, Commonest(shown, whole)));
        measure("text", Contrast(shown, caption, Commonest(shown, caption)));
      } else if (qobject_cast<Divider*>(c)) {
        measure("divider", Contrast(shown, whole, Commonest(shown, whole)));
      } else if (qobject_cast<QLabel*>(c)) {
        measure("text", Contrast(shown, whole, Commonest(shown, whole)));
      } else {
        const QString kind = qobject_cast<DatePicker*>(c)    ? "picker"
                             : qobject_cast<QPushButton*>(c) ? "button"
                                                             : "box";
        measure(kind + " edge", Contrast(shown, top, Commonest(shown, above)));
        if (kind == "picker") {
          QStyleOptionComboBox combo;
          combo.initFrom(c);
          combo.editable = true;
          combo.frame = true;
          combo.subControls = QStyle::SC_All;
          const QRect arrow = inWindow(c, c->style()->subControlRect(QStyle::CC_ComboBox, &combo,
                                                                     QStyle::SC_ComboBoxArrow, c));
          measure("picker arrow", Contrast(shown, arrow, Commonest(shown, arrow)));
        }
        const QRect inside = whole.adjusted(band * 2, band * 2, -band * 2, -band * 2);
        measure("text", Contrast(shown, inside, Commonest(shown, inside)));
      }
    }
  }

  // The languages the window has translations for, English among them: "de", "pt_BR".
  static QStringList Languages() {
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList())
      languages << file.section(QLatin1Char('_'), 1).chopped(3);
    return languages;
  }

  // A window of its own in the first of `locale`'s languages that the program speaks, and every
  // text a user reads or hears in it: captions, spoken names, the results of a Calculate and the
  // three messages.
  QStringList WindowTexts(const QLocale& locale) {
    UseLanguagesOf(locale);
    messages.clear();
    form = std::make_unique<Form1>();
    form->SetMessageSink([this](QWidget*, const QString& text) { messages << text; });
    QStringList texts;
    static const QRegularExpression ours{
        QStringLiteral("^(Frame|Label|DTPicker|Text|Command|Option|StatusBar)[0-9]$")};
    for (const QWidget* control : form->findChildren<QWidget*>(ours)) {
      if (const auto* frame = qobject_cast<const Frame*>(control)) texts << frame->Caption();
      if (const auto* label = qobject_cast<const QLabel*>(control)) texts << label->text();
      if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        texts << button->text();
      texts << control->accessibleName();
    }
    texts << Control<StatusBar>("StatusBar1")->Panel(3)->text();
    Control<DatePicker>("DTPicker1")->setDate(QDate(2003, 3, 14));
    Control<DatePicker>("DTPicker2")->setDate(QDate(2005, 3, 14));
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"})
      texts << Box(box)->text();
    QTest::keyClick(Box("Text1"), Qt::Key_A);
    QTest::keyClick(Box("Text5"), Qt::Key_A);
    Box("Text5")->setText("1000000");
    texts << messages;
    texts.removeAll(QString{});
    return texts;
  }

  QString FocusName() const {
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus->objectName().isEmpty())
      focus = focus->parentWidget();  // a picker's inner editor
    return focus ? focus->objectName() : QString{};
  }

 private slots:
  void init() {
    messages.clear();
    dayOfStart = QDate::currentDate();
    form = std::make_unique<Form1>();
    form->SetMessageSink([this](QWidget*, const QString& text) { messages << text; });
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    recorder.announced.clear();
    form->findChild<Announcer*>()->installEventFilter(&recorder);
  }
  void cleanup() { form.reset(); }

  void startUpState() {
    for (const char* picker : {"DTPicker1", "DTPicker2", "DTPicker3", "DTPicker4"}) {
      const QDate shown = Control<DatePicker>(picker)->date();
      QVERIFY2(shown == dayOfStart || shown == dayOfStart.addDays(1), picker);
    }
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
      QCOMPARE(Box(box)->text(), "0");
    QVERIFY(Control<QRadioButton>("Option1")->isChecked());
    QVERIFY(Control<QRadioButton>("Option4")->isChecked());
    QCOMPARE(FocusName(), "DTPicker1");
    QCOMPARE(form->windowTitle(), kTitle);
    QCOMPARE(form->size(), QSize(288, 407));
    QVERIFY(form->minimumSize() == form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    form->showMaximized();  // as a title bar that offers it anyway does
    QTRY_COMPARE(form->windowState(), Qt::WindowNoState);
    QCOMPARE(form->size(), QSize(288, 407));
    QVERIFY2(QFontInfo(Box("Text5")->font()).family().contains("Narrow"),
             qPrintable(QFontInfo(Box("Text5")->font()).family()));
    const QImage shipped = QImage(CALVANIR_ICON_PNG).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shipped.size(), QSize(32, 32));
    QCOMPARE(form->windowIcon()
                 .pixmap(QSize(32, 32), 1)
                 .toImage()
                 .convertToFormat(QImage::Format_ARGB32),
             shipped);
    QTRY_VERIFY(form->windowIcon().availableSizes().contains(QSize(256, 256)));  // sharp at 2x
    QVERIFY(messages.isEmpty());
  }

  // To within the pixel by which the layout's rows and the right-hand frames overlap: every control
  // lies inside its frame or the window, and none that takes the focus covers another.
  void controlsLieInsideTheirFramesApart() {
    static const QRegularExpression ours{
        QStringLiteral("^(Frame[0-79]|(Label|DTPicker|Text|Command|Option|StatusBar)[0-9])$")};
    const QList<QWidget*> controls = form->findChildren<QWidget*>(ours);
    QCOMPARE(controls.size(), 27);
    const auto inner = [](const QWidget* c) { return c->geometry().adjusted(0, 0, -1, -1); };
    for (const QWidget* control : controls) {
      const QString name = control->objectName();
      QVERIFY2(control->parentWidget()->rect().contains(inner(control)), qPrintable(name));
      for (const QWidget* other : controls) {
        const bool focusable = control->focusPolicy() != Qt::NoFocus &&
                               other->focusPolicy() != Qt::NoFocus && other != control;
        QVERIFY2(!focusable || other->parentWidget() != control->parentWidget() ||
                     !inner(other).intersects(inner(control)),
                 qPrintable(name + " and " + other->objectName()));
      }
    }
  }

  // What a screen reader finds: each control's role and name, and the group it lies in.
  void accessibilityTree_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");  // empty: on the window itself
    const QString count = "Count The Interval Between Two Dates",
                  shift = "Add/Subtract An Interval";
    const struct {
      const char* control;
      QAccessible::Role role;
      const char* name;
      QString group;
    } rows[] = {
        {"DTPicker1", QAccessible::SpinBox, "First Date", count},
        {"DTPicker2", QAccessible::SpinBox, "Last Date", count},
        {"Text1", QAccessible::EditableText, "Days result", "Results"},
        {"Text2", QAccessible::EditableText, "Weeks result", "Results"},
        {"Text3", QAccessible::EditableText, "Months result", "Results"},
        {"Text4", QAccessible::EditableText, "Years result", "Results"},
        {"Command1", QAccessible::Button, "Calculate the interval", "Results"},
        {"Frame8", QAccessible::Separator, "", ""},
        {"DTPicker3", QAccessible::SpinBox, "Base Date", shift},
        {"Text5", QAccessible::EditableText, "Interval", shift},
        {"DTPicker4", QAccessible::SpinBox, "Resulting Date", "Resulting Date"},
        {"Command2", QAccessible::Button, "Calculate the resulting date", "Resulting Date"},
        {"Option1", QAccessible::RadioButton, "Days", "Interval Type"},
        {"Option3", QAccessible::RadioButton, "Months", "Interval Type"},
        {"Option5", QAccessible::RadioButton, "Subtract", "Operation"},
        {"StatusBar1", QAccessible::StatusBar, "Status", ""},
    };
    for (const auto& row : rows)
      QTest::newRow(row.control) << row.control << int(row.role) << row.name << row.group;
  }
  void accessibilityTree() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, group);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), kTitle);
    QAccessibleInterface* found =
        QAccessible::queryAccessibleInterface(Control(qPrintable(control)));
    QCOMPARE(int(found->role()), role);
    QCOMPARE(found->text(QAccessible::Name), name);
    QAccessibleInterface* parent = found->parent();
    if (group.isEmpty()) {
      QCOMPARE(parent, window);
    } else {
      QCOMPARE(parent->role(), QAccessible::Grouping);
      QCOMPARE(parent->text(QAccessible::Name), group);
      QCOMPARE(parent->parent(), window);
    }
  }

  void accessibleStatesAndStatusPanels() {
    for (const char* result : {"Text1", "Text2", "Text3", "Text4"})
      QVERIFY(QAccessible::queryAccessibleInterface(Control(result))->state().readOnly);
    const QAccessible::State interval =
        QAccessible::queryAccessibleInterface(Box("Text5"))->state();
    QVERIFY(interval.editable && !interval.readOnly);
    // One run of attributes covers the text, or Orca reads none of it.
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(Box("Text5"))->textInterface();
    int start = -1, end = -1;
    text->attributes(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 1));
    QCOMPARE(text->textAtOffset(1, QAccessible::WordBoundary, &start, &end), "0");

    // The panels in order, as static text; offscreen the lock states are unknown, and say nothing.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(Control("StatusBar1"));
    QStringList panels;
    for (int i = 0; i < bar->childCount(); ++i) {
      if (bar->child(i)->state().invisible) continue;  // where announcements come from
      QCOMPARE(bar->child(i)->role(), QAccessible::StaticText);
      panels << bar->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(panels, QStringList({Control<StatusBar>("StatusBar1")->Panel(0)->text(), "", "",
                                  "AD 1000–9999"}));
  }

  void tabCycle() {
    const QStringList cycle = {"DTPicker2", "DTPicker3", "Text1",     "Text2", "Text3",
                               "Command1",  "Text4",     "DTPicker4", "Text5", "Option1",
                               "Option4",   "Command2",  "DTPicker1"};
    QStringList visited;
    for (int i = 0; i < cycle.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << FocusName();
    }
    QCOMPARE(visited, cycle);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(FocusName(), "Command2");
    QVERIFY(messages.isEmpty());  // Tab reached no guard, not even in the boxes
  }

  void resultBoxKeys_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("combined");  // the key and its modifiers
    QTest::newRow("letter in Text1") << "Text1" << int(Qt::Key_A);
    QTest::newRow("digit in Text2") << "Text2" << int(Qt::Key_5);
    QTest::newRow("Shift in Text3") << "Text3" << int(Qt::Key_Shift);
    QTest::newRow("Enter in Text4") << "Text4" << int(Qt::Key_Return);
    QTest::newRow("arrow in Text1") << "Text1" << int(Qt::Key_Left);
    QTest::newRow("Ctrl+W in Text4") << "Text4" << (Qt::CTRL | Qt::Key_W).toCombined();
  }
  void resultBoxKeys() {
    QFETCH(QString, box);
    QFETCH(int, combined);
    Control<DatePicker>("DTPicker2")->setDate(QDate::currentDate().addDays(400));
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    QVERIFY(Box(qPrintable(box))->text() != "0");
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    QTest::keyClick(Box(qPrintable(box)), key.key(), key.keyboardModifiers());
    // Qt Test presses Control first, and the guard answers that key too.
    const qsizetype pressed = key.keyboardModifiers() & Qt::ControlModifier ? 2 : 1;
    QCOMPARE(messages, QStringList(pressed, "Read only."));
    QCOMPARE(Box(qPrintable(box))->text(), "0");
  }

  void intervalKeys_data() {
    // after: Text5 once the key is handled, from "12" with the caret at the end.
    const char* refused = "Please enter a number.";
    DataTable<int, int, QString, QString>(
        {"key", "modifiers", "after", "message"},
        {{"main-row digit", Qt::Key_3, 0, "123", ""},
         {"keypad digit", Qt::Key_7, Qt::KeypadModifier, "127", ""},
         {"Backspace", Qt::Key_Backspace, 0, "1", ""},
         {"Delete at the end", Qt::Key_Delete, 0, "12", ""},
         {"letter", Qt::Key_A, 0, "0", refused},
         {"Shift", Qt::Key_Shift, 0, "0", refused},
         {"Control", Qt::Key_Control, 0, "0", refused},
         {"full stop", Qt::Key_Period, 0, "0", refused},
         {"keypad decimal", Qt::Key_Period, Qt::KeypadModifier, "0", refused},
         {"minus", Qt::Key_Minus, 0, "0", refused},
         {"arrow", Qt::Key_Left, 0, "0", refused},
         {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, "0", refused}});
  }
  void intervalKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QLineEdit* text5 = Box("Text5");
    text5->setFocus();
    QTest::keyClick(text5, Qt::Key_A, Qt::ControlModifier);  // select all: Control is refused first
    messages.clear();
    text5->selectAll();
    QTest::keyClicks(text5, "12");
    QCOMPARE(text5->text(), "12");
    QTest::keyClick(text5, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(text5->text(), after);
    const qsizetype pressed = modifiers & Qt::ControlModifier ? 2 : 1;  // with Control first
    QCOMPARE(messages, message.isEmpty() ? QStringList{} : QStringList(pressed, message));
  }

  void typingPastTheLimit() {
    QLineEdit* text5 = Box("Text5");
    text5->setFocus();
    text5->selectAll();
    QTest::keyClicks(text5, "999999");
    QVERIFY(messages.isEmpty());
    QTest::keyClick(text5, Qt::Key_9);
    QCOMPARE(messages, QStringList{"Number too big."});
    QCOMPARE(text5->text(), "0");
  }

  void tabInTheIntervalBoxMovesOn() {
    Box("Text5")->setFocus();
    QTest::keyClick(Box("Text5"), Qt::Key_Tab);
    QCOMPARE(FocusName(), "Option1");
    QVERIFY(messages.isEmpty());
    QCOMPARE(Box("Text5")->text(), "0");
  }

  void pasteIntoTheIntervalBox_data() {
    DataTable<QString, QString, QString>({"clipboard", "after", "message"},
                                         {{"digits", "4500", "4500", ""},
                                          {"text", "12a", "0", "Please enter a number."},
                                          {"too big", "1234567", "0", "Number too big."}});
  }
  void pasteIntoTheIntervalBox() {
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QApplication::clipboard()->setText(clipboard);
    Box("Text5")->selectAll();
    Box("Text5")->paste();  // what the context menu's Paste does
    QCOMPARE(Box("Text5")->text(), after);
    QCOMPARE(messages, message.isEmpty() ? QStringList{} : QStringList{message});
  }

  void pasteOrDropIntoAResultBoxChangesNothing() {
    QLineEdit* text2 = Box("Text2");
    QApplication::clipboard()->setText("123");
    std::unique_ptr<QMenu> menu{text2->createStandardContextMenu()};
    for (QAction* action : menu->actions()) {
      QVERIFY2(!action->isEnabled() || !action->text().contains("Paste"),
               qPrintable(action->text()));
    }
    if (QApplication::clipboard()->supportsSelection()) {
      QApplication::clipboard()->setText("123", QClipboard::Selection);
      QTest::mouseClick(text2, Qt::MiddleButton);
    }

    QMimeData data;
    data.setText("456");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(text2, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(text2, &drop);
    QCOMPARE(text2->text(), "0");
    QVERIFY(messages.isEmpty());
  }

  void upperCalculate() {
    Control<DatePicker>("DTPicker1")->setDate(QDate(2003, 3, 11));
    Control<DatePicker>("DTPicker2")->setDate(QDate(2004, 3, 10));
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    QCOMPARE(Box("Text1")->text(), "365 day(s).");
    QCOMPARE(Box("Text2")->text(), "52 week(s).");
    QCOMPARE(Box("Text3")->text(), "12 month(s).");
    QCOMPARE(Box("Text4")->text(), "1 year(s).");
    ExpectAnnounced({"365 day(s). 52 week(s). 12 month(s). 1 year(s)."});
  }

  void lowerCalculate() {
    Control<DatePicker>("DTPicker3")->setDate(QDate(2003, 3, 14));
    Box("Text5")->setFocus();
    Box("Text5")->selectAll();
    QTest::keyClicks(Box("Text5"), "2");
    QTest::mouseClick(Control("Option2"), Qt::LeftButton);
    QTest::mouseClick(Control("Option5"), Qt::LeftButton);
    QTest::mouseClick(Control("Command2"), Qt::LeftButton);
    QCOMPARE(Control<DatePicker>("DTPicker4")->date(), QDate(2003, 2, 28));
    QVERIFY(messages.isEmpty());
    const QString resulting = QLocale().toString(QDate(2003, 2, 28), QLocale::LongFormat);
    ExpectAnnounced({resulting});

    // A result before 1000-01-01 is refused by the Resulting Date, which keeps its value.
    Box("Text5")->selectAll();
    QTest::keyClicks(Box("Text5"), "60000");
    QTest::mouseClick(Control("Command2"), Qt::LeftButton);
    QCOMPARE(messages, QStringList{"Number too big."});
    QCOMPARE(Box("Text5")->text(), "0");
    QCOMPARE(Control<DatePicker>("DTPicker4")->date(), QDate(2003, 2, 28));
    ExpectAnnounced({resulting});  // the message speaks for itself
  }

  void pickerRefusesOutOfRangeValues() {
    DatePicker* picker = Control<DatePicker>("DTPicker4");
    picker->setDate(QDate(2003, 3, 12));
    QSignalSpy changes(picker, &DatePicker::changed);
    for (const QDate outside : {QDate(999, 12, 31), QDate(100, 1, 1)}) {
      const Status stored = picker->SetValue(FromQDate(outside));
      QVERIFY(!stored);
      QCOMPARE(stored.error(), Error::RangeRejected);
      QCOMPARE(picker->date(), QDate(2003, 3, 12));
    }
    QVERIFY(picker->SetValue(FromQDate(QDate(1000, 1, 1))));
    QCOMPARE(picker->date(), QDate(1000, 1, 1));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(picker->displayFormat().count('y'), 4);
  }

  void pickerChangesReachTheCopiesAtOnce() {
    DatePicker* last = Control<DatePicker>("DTPicker2");
    last->setFocus();
    last->setDate(QDate(2003, 3, 14));  // no section at its end, whichever comes first
    QTest::keyClick(last, Qt::Key_Up);  // steps the selected section
    QVERIFY(last->date() != QDate(2003, 3, 14));
    QCOMPARE(form->Calculator().Values().LastDate, FromQDate(last->date()));
  }

  // The focus leaving a picker copies its value once more, whatever the change event did.
  void leavingAPickerRefreshesItsCopy() {
    const std::pair<const char*, CalendarDate Module1::*> copies[] = {
        {"DTPicker1", &Module1::FirstDate},
        {"DTPicker2", &Module1::LastDate},
        {"DTPicker3", &Module1::BaseDate}};
    for (const auto& [name, copy] : copies) {
      DatePicker* picker = Control<DatePicker>(name);
      picker->setFocus();
      {
        const QSignalBlocker noChangeEvent(picker);
        picker->setDate(QDate(2003, 3, 14));
      }
      QVERIFY(form->Calculator().Values().*copy != FromQDate(QDate(2003, 3, 14)));
      QTest::keyClick(picker, Qt::Key_Tab);
      QCOMPARE(form->Calculator().Values().*copy, FromQDate(QDate(2003, 3, 14)));
    }
  }

  void choosingAnOptionOrTheResultingDateRunsNothing() {
    Control<DatePicker>("DTPicker2")->setDate(QDate(2004, 3, 10));
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    form->SetText(TextBox::Text5, "100000");  // over the Weeks limit, accepted under Days
    const auto texts = [this] {
      QStringList all;
      for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        all << Box(box)->text();
      return all;
    };
    const QStringList before = texts();
    const Module1 copies = form->Calculator().Values();
    QTest::mouseClick(Control("Option2"), Qt::LeftButton);
    QTest::mouseClick(Control("Option5"), Qt::LeftButton);
    DatePicker* resulting = Control<DatePicker>("DTPicker4");
    resulting->setDate(QDate(2003, 3, 14));
    resulting->setFocus();
    QTest::keyClick(resulting, Qt::Key_Up);
    QTest::keyClick(resulting, Qt::Key_Tab);
    QVERIFY(Control<QRadioButton>("Option2")->isChecked());
    QVERIFY(resulting->date() != QDate(2003, 3, 14));
    QVERIFY(messages.isEmpty());
    QCOMPARE(texts(), before);
    const Module1 after = form->Calculator().Values();
    QCOMPARE(after.FirstDate, copies.FirstDate);
    QCOMPARE(after.LastDate, copies.LastDate);
    QCOMPARE(after.BaseDate, copies.BaseDate);
    QCOMPARE(after.IntervalCount, copies.IntervalCount);
  }

  // Each step clicks a section, the first into a picker without the focus, and types its digits.
  void clickSelectsTheSectionUnderThePointer_data() {
    // steps: where the click lands, a section letter (d, M, y) or "." just past the text, then the
    // digits typed; "~" first clicks into the window while another window is active, "<" just
    // before the section. after: from 2003-03-14, once Tab has left the picker.
    DataTable<QString, QStringList, QDate>(
        {"locale", "steps", "after"},
        {{"month-day-year: year", "en_US", {"y1987"}, QDate(1987, 3, 14)},
         {"month-day-year: month, then day", "en_US", {"M7", "d25"}, QDate(2003, 7, 25)},
         {"day-month-year: month, then year", "de_DE", {"M07", "y1999"}, QDate(1999, 7, 14)},
         {"day-month-year: day", "en_GB", {"d25"}, QDate(2003, 3, 25)},
         {"year-month-day: day, then month", "ja_JP", {"d25", "M11"}, QDate(2003, 11, 25)},
         // "2003. 3. 14.": beside every section, the day is nearest.
         {"long separators: past the text", "ko_KR", {".25"}, QDate(2003, 3, 25)},
         // A display format of its own after the locale: "3   14", the click nearer the day.
         {"wide separators: just before the day", "C|M'   'd", {"<d25"}, QDate(2003, 3, 25)},
         {"into an inactive window: year", "en_US", {"~y1987"}, QDate(1987, 3, 14)},
         // Where Qt's focus would select the last section in place of the first one clicked.
         {"right to left, inactive window: first section", "he_IL", {"~d25"}, QDate(2003, 3, 25)}});
  }
  void clickSelectsTheSectionUnderThePointer() {
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QFETCH(QDate, after);
    LocalPicker local(qPrintable(locale.section('|', 0, 0)), QDate(2003, 3, 14));
    if (locale.contains('|')) local.picker->setDisplayFormat(locale.section('|', 1));
    local.window.setLayoutDirection(local.picker->locale().textDirection());
    const std::map<QChar, QDateTimeEdit::Section> sections = {{'d', QDateTimeEdit::DaySection},
                                                              {'M', QDateTimeEdit::MonthSection},
                                                              {'y', QDateTimeEdit::YearSection}};
    QWidget other;
    for (QString step : steps) {
      const bool inactive = step.startsWith('~'), before = step.startsWith('<');
      if (inactive || before) step.remove(0, 1);
      if (inactive) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
      }
      QLineEdit* editor = local.Editor();
      editor->setCursorPosition(int(editor->text().size()));
      const QPoint pastTheText =
          editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().center() + QPoint(3, 0);
      const QPoint at =
          step[0] == '.' ? pastTheText : SectionCentre(local, sections.at(step[0]), before);
      if (inactive) {
        // Straight to the editor, as the click reaches it before the window's activation does.
        QMouseEvent press(QEvent::MouseButtonPress, at, editor->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        local.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&local.window));
      } else {
        QTest::mouseClick(editor, Qt::LeftButton, {}, at);
      }
      QVERIFY(local.picker->hasFocus());
      QTest::keyClicks(local.picker, step.mid(1));
    }
    QTest::keyClick(local.picker, Qt::Key_Tab);
    QCOMPARE(local.picker->date(), after);
  }

  void resultBoxesShowTheStartOfTheirText() {
    Control<DatePicker>("DTPicker1")->setDate(QDate(9999, 12, 31));
    Control<DatePicker>("DTPicker2")->setDate(QDate(1000, 1, 1));
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    Control("Command1")->setFocus();
    // Text4 after a click, then Tab selecting the whole of it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), "Text4");
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
      QLineEdit* box = Box(name);
      QVERIFY(box->text().startsWith('-'));
      QCOMPARE(box->toolTip(), box->text());
      box->repaint();  // where the box scrolls its text to
      const int caretLeft = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
      QVERIFY2(caretLeft < box->width() / 4,
               qPrintable(QStringLiteral("%1 at %2").arg(name).arg(caretLeft)));
    }
    QCOMPARE(Box("Text4")->selectedText(), Box("Text4")->text());
  }

  void enterPressesOnlyAFocusedCalculate_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text1");  // the days result afterwards
    QTest::addColumn<QDate>("resulting");
    QTest::newRow("Return on the upper Calculate")
        << "Command1" << int(Qt::Key_Return) << 0 << "365 day(s)." << QDate(2003, 3, 12);
    QTest::newRow("keypad Enter on the lower Calculate")
        << "Command2" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "0" << QDate(2003, 3, 16);
    QTest::newRow("Return in a picker")
        << "DTPicker1" << int(Qt::Key_Return) << 0 << "0" << QDate(2003, 3, 12);
  }
  void enterPressesOnlyAFocusedCalculate() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text1);
    QFETCH(QDate, resulting);
    Control<DatePicker>("DTPicker1")->setDate(QDate(2003, 3, 11));
    Control<DatePicker>("DTPicker2")->setDate(QDate(2004, 3, 10));
    Control<DatePicker>("DTPicker3")->setDate(QDate(2003, 3, 14));
    Control<DatePicker>("DTPicker4")->setDate(QDate(2003, 3, 12));
    form->SetText(TextBox::Text5, "2");
    Control(qPrintable(focus))->setFocus();
    QTest::keyClick(Control(qPrintable(focus)), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Box("Text1")->text(), text1);
    QCOMPARE(Control<DatePicker>("DTPicker4")->date(), resulting);
    QVERIFY(messages.isEmpty());
  }

  // Wherever the focus is but in a box, whose guard answers them instead.
  void ctrlQOrWClosesTheWindow_data() {
    DataTable<int>({"key"},
                   {{"DTPicker3", Qt::Key_Q}, {"Option5", Qt::Key_W}, {"Command1", Qt::Key_Q}});
  }
  void ctrlQOrWClosesTheWindow() {
    QFETCH(int, key);
    QWidget* focus = Control(QTest::currentDataTag());
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key(key), Qt::ControlModifier);
    QVERIFY(!form->isVisible());
    QVERIFY(messages.isEmpty());
  }

  void wheelStepsOnlyAFocusedPicker() {
    DatePicker* first = Control<DatePicker>("DTPicker1");
    first->setDate(QDate(2003, 3, 14));
    Box("Text5")->setFocus();
    const auto turnTheWheel = [first] {
      const QPointF centre = first->rect().center();
      QWheelEvent notch(centre, first->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(first, &notch);
    };
    turnTheWheel();
    QCOMPARE(first->date(), QDate(2003, 3, 14));
    first->setFocus();
    turnTheWheel();
    QVERIFY(first->date() != QDate(2003, 3, 14));
    QCOMPARE(form->Calculator().Values().FirstDate, FromQDate(first->date()));
  }

  void dropDownCalendar_data() {
    // after: from 2003-03-14 with the days moved on to the 12th.
    DataTable<QString, QString, QDate>(
        {"open", "close", "after"},
        {{"mouse, Escape", "mouse", "Escape", QDate(2003, 3, 14)},
         {"F4, Escape", "F4", "Escape", QDate(2003, 3, 14)},
         {"Alt+Down, Enter", "Alt+Down", "Enter", QDate(2003, 3, 12)},
         {"F4, a click on the 13th", "F4", "click", QDate(2003, 3, 13)},
         // Opened anew on the 12th, moved on to the 10th, closed with Escape.
         {"F4, Enter; F4, Escape", "F4", "Enter, again Escape", QDate(2003, 3, 12)}});
  }
  void dropDownCalendar() {
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(QDate, after);
    DatePicker* picker = Control<DatePicker>("DTPicker3");
    picker->setDate(QDate(2003, 3, 14));
    picker->setFocus();
    if (open == "mouse") {
      QTest::mouseClick(picker, Qt::LeftButton, {},
                        QPoint(picker->width() - 6, picker->height() / 2));
    } else {
      QTest::keyClick(picker, open == "F4" ? Qt::Key_F4 : Qt::Key_Down,
                      open == "F4" ? Qt::NoModifier : Qt::AltModifier);
    }
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup && popup->isVisible());
    QCalendarWidget* calendar = picker->calendarWidget();
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
    QWidget* days = QApplication::focusWidget();
    QVERIFY(days && calendar->isAncestorOf(days));
    QTest::keyClick(days, Qt::Key_Left);
    QTest::keyClick(days, Qt::Key_Left);
    if (close == "click") {
      auto* view = calendar->findChild<QAbstractItemView*>();
      const QModelIndex twelfth = view->currentIndex();
      const QModelIndex thirteenth = twelfth.siblingAtColumn(twelfth.column() + 1);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                        view->visualRect(thirteenth).center());
    } else if (close == "Enter, again Escape") {
      QTest::keyClick(days, Qt::Key_Return);
      QTRY_VERIFY(!popup->isVisible());
      QTest::keyClick(picker, Qt::Key_F4);
      QTRY_VERIFY(popup->isVisible());
      for (const auto key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Escape})
        QTest::keyClick(QApplication::focusWidget(), key);
    } else {
      QTest::keyClick(days, close == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
    }
    QTRY_VERIFY(!popup->isVisible());
    QTest::qWait(10);  // whatever the close left to do
    for (const QTimer* timer : picker->findChildren<QTimer*>())
      QVERIFY2(!timer->isActive(), "the picker keeps a timer running after the calendar closed");
    QCOMPARE(picker->date(), after);
    QCOMPARE(form->Calculator().Values().BaseDate, FromQDate(after));
  }

  void menuKeyIsAnsweredLikeAnyKey_data() {
    DataTable<QString, QString>({"box", "message"},
                                {{"result box", "Text2", "Read only."},
                                 {"interval box", "Text5", "Please enter a number."}});
  }
  void menuKeyIsAnsweredLikeAnyKey() {
    QFETCH(QString, box);
    QFETCH(QString, message);
    QLineEdit* target = Box(qPrintable(box));
    target->setText("12");
    messages.clear();
    target->setFocus();
    // As X11 and Wayland deliver the context-menu key: a request for a menu, then the key itself.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &request);
    QTest::keyClick(target, Qt::Key_Menu);
    QCOMPARE(messages, QStringList{message});
    QCOMPARE(target->text(), "0");
    QCOMPARE(QApplication::activePopupWidget(), nullptr);

    // A right click still opens the menu, whose Copy takes a result out.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(target, &rightClick);
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(qobject_cast<QMenu*>(menu));
    menu->close();
  }

  void pasteADateIntoAPicker_data() {
    // clipboard: "shown", 2024-03-15 as the picker shows it. how: the keys, or the menu's action
    // that begins so. after: from 2003-03-14.
    const QDate unchanged{2003, 3, 14}, pasted{2024, 3, 15};
    DataTable<QString, QString, QString, QDate>(
        {"locale", "clipboard", "how", "after"},
        {{"ISO, white space around", "en_US", " 2024-03-15\n", "keys", pasted},
         {"ISO, menu", "ja_JP", "2024-03-15", "&Paste", pasted},
         {"as shown", "de_DE", "shown", "keys", pasted},
         {"as shown, Arabic-Indic digits, menu", "ar_EG", "shown", "&Paste", pasted},
         {"another order", "en_US", "15.03.2024", "keys", unchanged},
         {"not a date", "en_US", "soon", "&Paste", unchanged},
         {"no such day", "en_US", "2023-02-29", "keys", unchanged},
         {"before the range", "en_US", "0999-12-31", "keys", unchanged},
         {"the menu's step up", "en_US", "", "&Step up", QDate(2003, 4, 14)}});
  }
  void pasteADateIntoAPicker() {
    QFETCH(QString, locale);
    QFETCH(QString, clipboard);
    QFETCH(QString, how);
    QFETCH(QDate, after);
    const LocalPicker local(qPrintable(locale), QDate(2003, 3, 14));
    if (clipboard == "shown")
      clipboard =
          local.picker->locale().toString(QDate(2024, 3, 15), local.picker->displayFormat());
    QApplication::clipboard()->setText(clipboard);
    local.picker->setFocus();
    if (how == "keys") {
      QTest::keyClick(local.picker, Qt::Key_V, Qt::ControlModifier);
    } else {
      QTimer::singleShot(0, [how] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions()) {
          if (action->text().startsWith(how)) menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);  // chosen as a user chooses it
        menu->close();                          // should the choice have missed
      });
      QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
      QApplication::sendEvent(local.picker, &rightClick);
    }
    QCOMPARE(local.picker->date(), after);
  }

  void statusBarPanels() {
    auto* bar = Control<StatusBar>("StatusBar1");
    QCOMPARE(bar->PanelCount(), 4);
    const StatusBar::Style styles[] = {StatusBar::Style::Date, StatusBar::Style::CapsLock,
                                       StatusBar::Style::NumLock, StatusBar::Style::Text};
    const int twips[] = {800, 500, 500, 4000};
    const QRect rects[] = {{0, 0, 53, 17}, {53, 0, 34, 17}, {87, 0, 33, 17}, {120, 0, 267, 17}};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(bar->PanelStyle(i), styles[i]);
      QCOMPARE(bar->PanelWidthTwips(i), twips[i]);
      QCOMPARE(bar->Panel(i)->geometry(), rects[i]);
    }
    bar->SetClock([] { return QDateTime(QDate(2003, 3, 14), QTime(12, 0)); });
    Control<DatePicker>("DTPicker1")->setDate(QDate(2003, 3, 14));
    QCOMPARE(bar->Panel(0)->text(), Control<DatePicker>("DTPicker1")->text());
    // The date is looked at again within a minute, and so rolls over at midnight.
    auto* dateCheck = bar->findChild<QTimer*>("dateCheck");
    QVERIFY(dateCheck && dateCheck->isActive());
    QCOMPARE(dateCheck->interval(), 60'000);
    QCOMPARE(bar->Panel(3)->text(), "AD 1000–9999");
    QVERIFY(bar->Panel(3)->alignment() & Qt::AlignHCenter);
    QVERIFY(bar->Panel(3)->geometry().right() > bar->width());  // cut off by the window's edge
    // Offscreen there is no keyboard state to read: the lock panels stay empty rather than guess.
    QCOMPARE(bar->Panel(1)->text(), "");
    QCOMPARE(bar->Panel(2)->text(), "");
  }

  void statusBarWritesTheDateAsThePickersDo_data() {
    QTest::addColumn<QString>("locale");
    for (const char* locale : {"en_US", "de_DE", "ja_JP", "ar_EG"})
      QTest::newRow(locale) << locale;
  }
  void statusBarWritesTheDateAsThePickersDo() {
    QFETCH(QString, locale);
    const LocalPicker local(qPrintable(locale), QDate(2024, 3, 15));
    StatusBar bar;
    bar.SetClock([] { return QDateTime(QDate(2024, 3, 15), QTime(12, 0)); });
    bar.SetUpPanel(0, 800, StatusBar::Style::Date);
    QCOMPARE(bar.Panel(0)->text(), local.picker->text());
    // In full, with the weekday, for the tooltip and a screen reader; kept current.
    QCOMPARE(bar.Panel(0)->toolTip(), local.picker->accessibleDescription());
    local.picker->setDate(QDate(2024, 3, 16));  // a Saturday
    QVERIFY(local.picker->accessibleDescription().contains(QLocale(locale).dayName(6)));
  }

  void dateLookedAtWhenTheNextDateBegins_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("wait");  // milliseconds
    const auto at = [](const char* zone, QDate date, QTime time) {
      return QDateTime(date, time, QTimeZone(zone));
    };
    // The clock jumps from 00:00 to 01:00 on the next day in these three.
    QTest::newRow("Cairo, 2024-04-26")
        << at("Africa/Cairo", {2024, 4, 25}, {23, 59, 30}) << qint64{30'000};
    QTest::newRow("Santiago, 2024-09-08")
        << at("America/Santiago", {2024, 9, 7}, {23, 59, 30}) << qint64{30'000};
    QTest::newRow("Havana, 2024-03-10")
        << at("America/Havana", {2024, 3, 9}, {23, 59, 55}) << qint64{5'000};
    QTest::newRow("ordinary midnight") << at("UTC", {2024, 3, 9}, {23, 59, 45}) << qint64{15'000};
    QTest::newRow("a minute at most")
        << at("Africa/Cairo", {2024, 4, 25}, {12, 0}) << qint64{60'000};
    QTest::newRow("a second at least")
        << at("UTC", {2024, 3, 9}, {23, 59, 59, 800}) << qint64{1'000};
  }
  void dateLookedAtWhenTheNextDateBegins() {
    QFETCH(QDateTime, now);
    QFETCH(qint64, wait);
    QVERIFY(now.isValid());
    QCOMPARE(MsecsToNextDateCheck(now), wait);
  }

  // Run a second time where fontconfig offers DejaVu alone (no Arial Narrow, no aliases).
  // In every style Qt offers here, or in a compact one in its colours where it leaves too little
  // room; never below 7 points.
  void everyTextShowsWhole_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("dark");  // the palette for a desktop that asks for dark
    QTest::addColumn<QString>("language");
    for (const QString& style : QStyleFactory::keys()) {
      for (const QString& language : Languages())
        QTest::newRow(qPrintable(style + ", " + language)) << style << false << language;
    }
    for (const QString& style : QStyleFactory::keys())
      QTest::newRow(qPrintable(style + ", dark")) << style << true << "en";
  }
  void everyTextShowsWhole() {
    QFETCH(QString, style);
    QFETCH(bool, dark);
    QFETCH(QString, language);
    const QString ownStyle = QApplication::style()->name();
    QApplication::setStyle(style);
    if (dark) QApplication::setPalette(DarkPalette());
    const QColor userWindow = QApplication::palette().color(QPalette::Window);
    UseLanguagesOf(QLocale(language));
    form = NewWindow();
    const auto restoreStyle = qScopeGuard([&] {
      QApplication::setStyle(ownStyle);
      QApplication::setPalette(QPalette());
      UseLanguagesOf(QLocale::c());
    });
    QVERIFY(form->font().pointSizeF() >= 7);
    QCOMPARE(QApplication::palette().color(QPalette::Window), userWindow);
    const QString family = QFontInfo(form->font()).family();
    QVERIFY2(family == "Liberation Sans Narrow" ||
                 (family.startsWith("DejaVu Sans") && !family.contains("Mono")),
             qPrintable(family));
    QVERIFY(form->ShowsEveryTextWhole());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    if (IsDarkPalette(QApplication::palette())) ExpectEveryControlSeen();
    if (QTest::currentTestFailed()) return;
    for (auto* frame : form->findChildren<Frame*>()) {
      const QRect captionBand(0, 0, frame->width(), frame->fontMetrics().height());
      QVERIFY2(InkContrast(frame, captionBand) >= 4.5, qPrintable(frame->Caption()));
    }
    const StatusBar* bar = Control<StatusBar>("StatusBar1");
    for (int panel : {0, 3})
      QVERIFY2(InkContrast(bar->Panel(panel), bar->Panel(panel)->contentsRect()) >= 4.5,
               qPrintable(bar->Panel(panel)->text()));
  }

  // The measure the font is fitted by, on each kind of control: one too small for its text is
  // refused, whether half as wide as the text, with a font whose lines leave its field no pixel
  // above and below, or lower than an option's indicator.
  void wholeTextCheckRefusesWhatIsCut_data() {
    // A row's name is the control's, and after it any other cut than "narrow".
    DataTable<QString>({"cut"}, {{"Label1", "narrow"},
                                 {"Frame1", "narrow"},
                                 {"Command1", "narrow"},
                                 {"Option5", "narrow"},
                                 {"DTPicker1", "narrow"},
                                 {"DTPicker1 tall font", "tall font"},
                                 {"Text1 tall font", "tall font"},
                                 {"Option5 low", "low"}});
  }
  void wholeTextCheckRefusesWhatIsCut() {
    QFETCH(QString, cut);
    QWidget* c = Control(qPrintable(QString(QTest::currentDataTag()).section(' ', 0, 0)));
    QVERIFY(ShowsWholeText(*c));
    if (cut == "low") {
      c->resize(c->width(), 4);
    } else if (cut == "tall font") {
      const QWidget* field = c->findChild<QLineEdit*>() ? c->findChild<QLineEdit*>() : c;
      QFont font = c->font();
      for (int pixels = 1; QFontMetrics(font).height() < field->height() - 1; ++pixels)
        font.setPixelSize(pixels);
      c->setFont(font);
      c->resize(1000, c->height());
    } else {
      const QString text = c->property(qobject_cast<Frame*>(c) ? "title" : "text").toString();
      c->resize(c->fontMetrics().horizontalAdvance(text) / 2, c->height());
    }
    QVERIFY(!ShowsWholeText(*c));
  }

  void speaksTheUsersLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("translated");
    for (const QString& language : Languages())
      QTest::newRow(qPrintable(language)) << language << (language != "en");
    QTest::newRow("a language the program lacks") << "sv_SE" << false;
    QTest::newRow("C") << "C" << false;
  }
  void speaksTheUsersLanguage() {
    QFETCH(QString, language);
    QFETCH(bool, translated);
    const auto restore = qScopeGuard([] { UseLanguagesOf(QLocale::c()); });
    const QStringList english = WindowTexts(QLocale::c());
    QCOMPARE(english.size(), 37);
    const QStringList shown = WindowTexts(QLocale(language));
    if (!translated) {
      QCOMPARE(shown, english);
      return;
    }
    QCOMPARE(shown.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
      QVERIFY2(shown[i] != english[i], qPrintable(english[i]));
  }

  // The counts 0, 1, 2, 5, 21 and 22 of days, and -22: one form (ja), two with the singular for 1
  // alone or for 0 and 1 (de, fr), three by the last digits (ru). A row per language, named by it.
  void resultsInThePluralOfTheirCount_data() {
    QTest::addColumn<QString>("shown");  // the results, "|" between two
    QTest::newRow("en")
        << "0 day(s).|1 day(s).|2 day(s).|5 day(s).|21 day(s).|22 day(s).|-22 day(s).";
    QTest::newRow("ja") << "0 日。|1 日。|2 日。|5 日。|21 日。|22 日。|-22 日。";
    QTest::newRow("de") << "0 Tage.|1 Tag.|2 Tage.|5 Tage.|21 Tage.|22 Tage.|-22 Tage.";
    QTest::newRow("fr") << "0 jour.|1 jour.|2 jours.|5 jours.|21 jours.|22 jours.|-22 jours.";
    QTest::newRow("ru") << "0 дней.|1 день.|2 дня.|5 дней.|21 день.|22 дня.|-22 дня.";
  }
  void resultsInThePluralOfTheirCount() {
    QFETCH(QString, shown);
    const auto restore = qScopeGuard([] { UseLanguagesOf(QLocale::c()); });
    UseLanguagesOf(QLocale(QString::fromLatin1(QTest::currentDataTag())));
    QStringList results;
    for (const std::int32_t count : {0, 1, 2, 5, 21, 22, -22})
      results << ResultText(IntervalUnit::Days, count);
    QCOMPARE(results.join('|'), shown);
  }

  // The picker's menu is the editor's own, Qt's, with the stepping added.
  void qtsOwnTextsInTheUsersLanguage() {
    const auto restore = qScopeGuard([] { UseLanguagesOf(QLocale::c()); });
    const auto menuIn = [this](const QLocale& locale) {
      UseLanguagesOf(locale);
      QStringList texts;
      QTimer::singleShot(0, [&texts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (const QAction* action : menu->actions())
          if (!action->isSeparator()) texts << action->text();
        menu->close();
      });
      QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
      QApplication::sendEvent(Control<DatePicker>("DTPicker1"), &rightClick);
      return texts;
    };
    const QStringList english = menuIn(QLocale::c());
    const QStringList german = menuIn(QLocale(QLocale::German));
    QVERIFY(english.contains("&Step up"));
    QCOMPARE(german.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
      QVERIFY2(german[i] != english[i], qPrintable(english[i]));
  }

  // Against a stand-in portal on the private session bus that dbus-run-session gives this test.
  void followsTheDesktopDarkStyle() {
    if (!QDBusConnection::sessionBus().isConnected()) QSKIP("no session bus to find a portal on");
    const auto restore = qScopeGuard([] { QApplication::setPalette(QPalette()); });
    const auto dark = [] {
      return QApplication::palette().color(QPalette::Window).lightness() < 128;
    };
    QTest::failOnWarning(QRegularExpression(".*"));
    {
      const DesktopColorScheme withoutPortal(nullptr);
      QTest::qWait(200);
      QVERIFY(!dark());
    }
    StandInPortal portal;
    QVERIFY(portal.Register());
    const DesktopColorScheme follower(nullptr);
    QTRY_VERIFY(dark());
    portal.Change(0u);
    QTRY_VERIFY(!dark());
    portal.Change(1u);
    QTRY_VERIFY(dark());
  }

  void messageBox_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
  }
  void messageBox() {
    QFETCH(int, key);
    QMessageBox* seen = nullptr;
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool dismissedByKey = true;
    QTimer::singleShot(0, [&] {
      seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!seen) return;
      title = seen->windowTitle();
      text = seen->text();
      icon = seen->icon();
      buttons = static_cast<int>(seen->buttons().size());
      // The keys a user presses go to the box's focused button, which the OK button has.
      QTest::keyClick(seen->focusWidget() ? seen->focusWidget() : seen, Qt::Key(key));
      // Should the key have missed, close the box anyway so that the test fails instead of hanging.
      if (QPointer<QMessageBox> box = seen; box && box->isVisible()) {
        dismissedByKey = false;
        box->done(0);
      }
    });
    ShowMessageBox(form.get(), "Number too big.");  // returns only once dismissed
    QVERIFY(seen);
    QCOMPARE(title, kProductName);
    QCOMPARE(text, "Number too big.");
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(dismissedByKey);
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
