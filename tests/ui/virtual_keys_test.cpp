// SPDX-License-Identifier: GPL-3.0-or-later
// Qt key events as the codes the guards take, and the pickers' date order.
#include <QKeyEvent>
#include <QLocale>
#include <QtTest>
#include <vector>

#include "data_table.h"
#include "date_picker.h"
#include "virtual_keys.h"

using namespace calvanir;

class VirtualKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void codes_data() {
    DataTable<int, int, int>(
        {"key", "modifiers", "code"},
        {{"main-row 0", Qt::Key_0, 0, 48},
         {"main-row 9", Qt::Key_9, 0, 57},
         {"shifted 1 is still the 1 key", Qt::Key_Exclam, Qt::ShiftModifier, 49},
         {"shifted 0", Qt::Key_ParenRight, Qt::ShiftModifier, 48},
         {"keypad 0", Qt::Key_0, Qt::KeypadModifier, 96},
         {"keypad 9", Qt::Key_9, Qt::KeypadModifier, 105},
         {"Backspace", Qt::Key_Backspace, 0, 8},
         {"Delete", Qt::Key_Delete, 0, 46},
         {"keypad Delete", Qt::Key_Delete, Qt::KeypadModifier, 46},
         {"Shift", Qt::Key_Shift, Qt::ShiftModifier, 16},
         {"Control", Qt::Key_Control, Qt::ControlModifier, 17},
         {"Alt", Qt::Key_Alt, Qt::AltModifier, 18},
         {"AltGr", Qt::Key_AltGr, 0, 18},
         {"letter a", Qt::Key_A, 0, 65},
         {"letter z", Qt::Key_Z, 0, 90},
         {"Help", Qt::Key_Help, 0, 47},
         {"Enter", Qt::Key_Return, 0, 13},
         {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 13},
         {"Left", Qt::Key_Left, 0, 37},
         {"keypad Home", Qt::Key_Home, Qt::KeypadModifier, 36},
         {"full stop", Qt::Key_Period, 0, 190},
         {"keypad decimal", Qt::Key_Period, Qt::KeypadModifier, 110},
         {"keypad decimal comma", Qt::Key_Comma, Qt::KeypadModifier, 110},
         {"minus", Qt::Key_Minus, 0, 189},
         {"keypad minus", Qt::Key_Minus, Qt::KeypadModifier, 109},
         {"shifted 8 is the 8 key", Qt::Key_Asterisk, Qt::ShiftModifier, 56},
         {"keypad multiply", Qt::Key_Asterisk, Qt::KeypadModifier, 106},
         {"F1", Qt::Key_F1, 0, 112},
         {"F24", Qt::Key_F24, 0, 135},
         {"a key without a code", Qt::Key_VolumeUp, 0, 0},
         {"a letter of another script", 0x0436, 0, 0}});
  }
  void codes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(int(ui::VirtualKeyOf(event)), code);
  }

  // The keys that type a digit, on the main row also shifted (the US layout's ")!@#$%^&*(" over 0
  // to 9), and the two that delete one; on the keypad, * is Multiply.
  void onlyDigitAndDeletingKeysAreAccepted() {
    const QString shiftedDigits = QStringLiteral(")!@#$%^&*(");
    std::vector<int> keys;
    for (int key = 0x20; key <= 0xff; ++key)
      keys.push_back(key);
    for (int key = Qt::Key_Escape; key <= Qt::Key_Escape + 0x1ff; ++key)
      keys.push_back(key);
    for (const int key : keys) {
      const bool accepted = (key >= Qt::Key_0 && key <= Qt::Key_9) ||
                            (key < 0x100 && shiftedDigits.contains(QChar(key))) ||
                            key == Qt::Key_Backspace || key == Qt::Key_Delete;
      const bool plain = IsIntervalKey(ui::VirtualKeyOf(QKeyEvent(QEvent::KeyPress, key, {})));
      QVERIFY2(plain == accepted, qPrintable(QString::number(key, 16)));
      const bool keypad =
          IsIntervalKey(ui::VirtualKeyOf(QKeyEvent(QEvent::KeyPress, key, Qt::KeypadModifier)));
      QVERIFY2(keypad == (accepted && key != Qt::Key_Asterisk),
               qPrintable(QString::number(key, 16)));
    }
  }

  void focusKeys() {
    QVERIFY(ui::IsFocusKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier)));
    QVERIFY(ui::IsFocusKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier)));
    QVERIFY(!ui::IsFocusKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier)));
    QVERIFY(!ui::IsFocusKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier)));
  }

  void datesInTheLocalesOrderWithFourDigitYears_data() {
    DataTable<QString, QString>({"locale", "shown"}, {{"United States", "en_US", "3/11/2003"},
                                                      {"Germany", "de_DE", "11.03.2003"},
                                                      {"Japan", "ja_JP", "2003/03/11"},
                                                      {"C", "C", "2003-03-11"}});
  }
  void datesInTheLocalesOrderWithFourDigitYears() {
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    ui::DatePicker picker;
    QLocale::setDefault(before);
    picker.setDate(QDate(2003, 3, 11));
    QCOMPARE(picker.text(), shown);
  }
};

QTEST_MAIN(VirtualKeysTest)
#include "virtual_keys_test.moc"
