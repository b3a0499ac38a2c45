// SPDX-License-Identifier: GPL-3.0-or-later
// Qt key events as the codes the guards take, and the pickers' date order.
#include <QKeyEvent>
#include <QLocale>
#include <QtTest>
#include <vector>

#include "date_picker.h"
#include "virtual_keys.h"

using namespace calvanir;

class VirtualKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void codes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::newRow("main-row 0") << int(Qt::Key_0) << 0 << 48;
    QTest::newRow("main-row 9") << int(Qt::Key_9) << 0 << 57;
    QTest::newRow("shifted 1 is still the 1 key")
        << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 49;
    QTest::newRow("shifted 0") << int(Qt::Key_ParenRight) << int(Qt::ShiftModifier) << 48;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << int(Qt::KeypadModifier) << 96;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << int(Qt::KeypadModifier) << 105;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << 8;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << 46;
    QTest::newRow("keypad Delete") << int(Qt::Key_Delete) << int(Qt::KeypadModifier) << 46;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << 16;
    QTest::newRow("Control") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 17;
    QTest::newRow("Alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << 18;
    QTest::newRow("AltGr") << int(Qt::Key_AltGr) << 0 << 18;
    QTest::newRow("letter a") << int(Qt::Key_A) << 0 << 65;
    QTest::newRow("letter z") << int(Qt::Key_Z) << 0 << 90;
    QTest::newRow("Help") << int(Qt::Key_Help) << 0 << 47;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << 37;
    QTest::newRow("keypad Home") << int(Qt::Key_Home) << int(Qt::KeypadModifier) << 36;
    QTest::newRow("full stop") << int(Qt::Key_Period) << 0 << 190;
    QTest::newRow("keypad decimal") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << 110;
    QTest::newRow("keypad decimal comma") << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << 110;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << 189;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 109;
    QTest::newRow("shifted 8 is the 8 key")
        << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier) << 56;
    QTest::newRow("keypad multiply") << int(Qt::Key_Asterisk) << int(Qt::KeypadModifier) << 106;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
    QTest::newRow("F24") << int(Qt::Key_F24) << 0 << 135;
    QTest::newRow("a key without a code") << int(Qt::Key_VolumeUp) << 0 << 0;
    QTest::newRow("a letter of another script") << int(0x0436) << 0 << 0;
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
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("United States") << "en_US"
                                   << "3/11/2003";
    QTest::newRow("Germany") << "de_DE"
                             << "11.03.2003";
    QTest::newRow("Japan") << "ja_JP"
                           << "2003/03/11";
    QTest::newRow("C") << "C"
                       << "2003-03-11";
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
