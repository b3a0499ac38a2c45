// The window through real key and mouse events on the offscreen platform.
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
#include <QTimer>
#include <QtTest>

#include "date_picker.h"
#include "form1.h"
#include "frame.h"
#include "message_box.h"
#include "status_bar.h"

using namespace calvanir;
using namespace calvanir::ui;

class Form1Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> form;
  QStringList messages;

  template <class T = QWidget>
  T* Control(const char* name) {
    T* control = form->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QLineEdit* Box(const char* name) { return Control<QLineEdit>(name); }
  QString FocusName() const {
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus->objectName().isEmpty())
      focus = focus->parentWidget();  // a picker's inner editor
    return focus ? focus->objectName() : QString{};
  }

 private slots:
  void init() {
    messages.clear();
    form = std::make_unique<Form1>();
    form->SetMessageSink([this](QWidget*, const QString& text) { messages << text; });
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  void cleanup() { form.reset(); }

  void startUpState() {
    const QDate today = QDate::currentDate();
    for (const char* picker : {"DTPicker1", "DTPicker2", "DTPicker3", "DTPicker4"}) {
      QCOMPARE(Control<DatePicker>(picker)->date(), today);
    }
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
      QCOMPARE(Box(box)->text(), "0");
    QVERIFY(Control<QRadioButton>("Option1")->isChecked());
    QVERIFY(Control<QRadioButton>("Option4")->isChecked());
    QCOMPARE(FocusName(), "DTPicker1");
    QCOMPARE(form->windowTitle(), "Calvanir  2.0        ");
    QCOMPARE(form->size(), QSize(288, 407));
    QVERIFY(form->minimumSize() == form->maximumSize());
    QVERIFY2(QFontInfo(Box("Text5")->font()).family().contains("Narrow"),
             qPrintable(QFontInfo(Box("Text5")->font()).family()));
    const QImage shipped = QImage(CALVANIR_ICON_PNG).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shipped.size(), QSize(32, 32));
    QCOMPARE(form->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
             shipped);
    QVERIFY(messages.isEmpty());
  }

  void layoutFollowsTheControlTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("windowRect");  // pixels: twips / 15
    QTest::newRow("Frame1") << "Frame1" << QRect(0, 0, 193, 185);
    QTest::newRow("DTPicker1 in Frame1") << "DTPicker1" << QRect(8, 40, 73, 25);
    QTest::newRow("Text1 over Frame4") << "Text1" << QRect(208, 16, 73, 25);
    QTest::newRow("Text4 in Frame4") << "Text4" << QRect(208, 112, 73, 25);
    QTest::newRow("Text5 in Frame3") << "Text5" << QRect(112, 240, 73, 25);
    QTest::newRow("Command2") << "Command2" << QRect(216, 336, 57, 33);
    QTest::newRow("Option3 in Frame7") << "Option3" << QRect(8, 352, 49, 15);
    QTest::newRow("StatusBar1") << "StatusBar1" << QRect(0, 390, 288, 17);
  }
  void layoutFollowsTheControlTable() {
    QFETCH(QString, name);
    QFETCH(QRect, windowRect);
    QWidget* control = Control(qPrintable(name));
    QCOMPARE(QRect(control->mapTo(form.get(), QPoint(0, 0)), control->size()), windowRect);
  }

  void accessibleNames() {
    const std::pair<const char*, const char*> names[] = {
        {"DTPicker1", "First Date"},
        {"DTPicker2", "Last Date"},
        {"DTPicker3", "Base Date"},
        {"DTPicker4", "Resulting Date"},
        {"Text1", "Days result"},
        {"Text2", "Weeks result"},
        {"Text3", "Months result"},
        {"Text4", "Years result"},
        {"Text5", "Interval"},
        {"Command1", "Calculate the interval"},
        {"Command2", "Calculate the resulting date"}};
    for (const auto& [control, accessible] : names)
      QCOMPARE(Control(control)->accessibleName(), accessible);
    QCOMPARE(Control<Frame>("Frame1")->Caption(), "Count The Interval Between Two Dates");
    QCOMPARE(Control<Frame>("Frame7")->accessibleName(), "Interval Type");
    QCOMPARE(Control<Frame>("Frame8")->Caption(), "");
    QCOMPARE(Control<QPushButton>("Command1")->text(), "Calculate");
    QCOMPARE(Control<QRadioButton>("Option5")->text(), "Subtract");
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
    QTest::addColumn<int>("key");
    QTest::newRow("letter in Text1") << "Text1" << int(Qt::Key_A);
    QTest::newRow("digit in Text2") << "Text2" << int(Qt::Key_5);
    QTest::newRow("Shift in Text3") << "Text3" << int(Qt::Key_Shift);
    QTest::newRow("Enter in Text4") << "Text4" << int(Qt::Key_Return);
    QTest::newRow("arrow in Text1") << "Text1" << int(Qt::Key_Left);
  }
  void resultBoxKeys() {
    QFETCH(QString, box);
    QFETCH(int, key);
    Control<DatePicker>("DTPicker2")->setDate(QDate::currentDate().addDays(400));
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    QVERIFY(Box(qPrintable(box))->text() != "0");
    QTest::keyClick(Box(qPrintable(box)), Qt::Key(key));
    QCOMPARE(messages, QStringList{"Read only."});
    QCOMPARE(Box(qPrintable(box))->text(), "0");
  }

  void intervalKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>(
        "after");  // Text5 once the key is handled, starting from "12" with the caret at the end
    QTest::addColumn<QString>("message");
    QTest::newRow("main-row digit") << int(Qt::Key_3) << 0 << "123"
                                    << "";
    QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "127"
                                  << "";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "1"
                               << "";
    QTest::newRow("Delete at the end") << int(Qt::Key_Delete) << 0 << "12"
                                       << "";
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "0"
                            << "Please enter a number.";
    QTest::newRow("Shift") << int(Qt::Key_Shift) << 0 << "0"
                           << "Please enter a number.";
    QTest::newRow("Control") << int(Qt::Key_Control) << 0 << "0"
                             << "Please enter a number.";
    QTest::newRow("full stop") << int(Qt::Key_Period) << 0 << "0"
                               << "Please enter a number.";
    QTest::newRow("keypad decimal") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << "0"
                                    << "Please enter a number.";
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "0"
                           << "Please enter a number.";
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "0"
                           << "Please enter a number.";
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
    QCOMPARE(messages, message.isEmpty() ? QStringList{} : QStringList{message});
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
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");
    QTest::newRow("digits") << "4500"
                            << "4500"
                            << "";
    QTest::newRow("text") << "12a"
                          << "0"
                          << "Please enter a number.";
    QTest::newRow("too big") << "1234567"
                             << "0"
                             << "Number too big.";
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

    // A result before 1000-01-01 is refused by the Resulting Date, which keeps its value.
    Box("Text5")->selectAll();
    QTest::keyClicks(Box("Text5"), "60000");
    QTest::mouseClick(Control("Command2"), Qt::LeftButton);
    QCOMPARE(messages, QStringList{"Number too big."});
    QCOMPARE(Box("Text5")->text(), "0");
    QCOMPARE(Control<DatePicker>("DTPicker4")->date(), QDate(2003, 2, 28));
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
    last->setDate(QDate::currentDate());
    QTest::keyClick(last, Qt::Key_Up);  // steps the selected section
    QVERIFY(last->date() != QDate::currentDate());
    QCOMPARE(form->Calculator().Values().LastDate, FromQDate(last->date()));
  }

  void dropDownCalendarStartsOnSunday() {
    DatePicker* picker = Control<DatePicker>("DTPicker3");
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 6, picker->height() / 2));
    QCOMPARE(picker->calendarWidget()->firstDayOfWeek(), Qt::Sunday);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
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
    QCOMPARE(bar->Panel(0)->text(), QDate::currentDate().toString(LocalDateFormat()));
    // The date is looked at again within a minute, and so rolls over at midnight.
    auto* dateCheck = bar->findChild<QTimer*>("dateCheck");
    QVERIFY(dateCheck && dateCheck->isActive());
    QVERIFY(dateCheck->interval() <= 60'000);
    QCOMPARE(bar->Panel(3)->text(), kStatusNotice);
    QVERIFY(bar->Panel(3)->alignment() & Qt::AlignHCenter);
    QVERIFY(bar->Panel(3)->geometry().right() > bar->width());  // cut off by the window's edge
    // Offscreen there is no keyboard state to read: the lock panels stay empty rather than guess.
    QCOMPARE(bar->Panel(1)->text(), "");
    QCOMPARE(bar->Panel(2)->text(), "");
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
    QCOMPARE(title, "Calvanir");
    QCOMPARE(text, "Number too big.");
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(dismissedByKey);
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
