// SPDX-License-Identifier: GPL-3.0-or-later
// What needs a real display server, X11 or a Wayland compositor: the Caps Lock and Num Lock panels,
// whose states are read at start and follow changes made by another client (on X11 while the
// window need not have the focus), and the primary selection that a middle click pastes.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include "date_picker.h"
#include "form1.h"
#include "status_bar.h"
#include "wayland_exit.h"
#include "xcb_xkb.h"

class X11Test : public QObject {
  Q_OBJECT

  // Another client, as a keyboard or another program would be: an X client, or on Wayland a
  // virtual keyboard.
  xcb_connection_t* other = nullptr;
  QProcess keyboard;

  void SetLocked(std::uint8_t mask, bool on) {
    if (keyboard.state() == QProcess::Running) {  // the rows lock Caps Lock or Num Lock alone
      keyboard.write(!on ? "\n" : mask == XCB_MOD_MASK_LOCK ? "Lock\n" : "Mod2\n");
      QVERIFY(keyboard.waitForReadyRead(5000));
      keyboard.readAll();
      return;
    }
    xcb_xkb_latch_lock_state(other, XCB_XKB_ID_USE_CORE_KBD, mask, on ? mask : 0, 0, 0, 0, 0, 0);
    xcb_flush(other);
  }

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName().startsWith("wayland")) {
      keyboard.start(CALVANIR_VIRTUAL_KEYBOARD, {});
      QVERIFY(keyboard.waitForStarted());
      SetLocked(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2, false);
      return;
    }
    if (QGuiApplication::platformName() != "xcb")
      QSKIP("needs an X server or a Wayland compositor");
    other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    auto* reply = xcb_xkb_use_extension_reply(other, xcb_xkb_use_extension(other, 1, 0), nullptr);
    QVERIFY(reply && reply->supported);
    std::free(reply);
    SetLocked(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2, false);
  }
  void cleanupTestCase() {
    if (other) xcb_disconnect(other);
    keyboard.closeWriteChannel();
    keyboard.waitForFinished();
  }

  // Shown as the key's name, dimmed while off; said as "... on" or "... off".
  void panelsFollowTheLockKeys_data() {
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("mask");
    QTest::newRow("Caps Lock") << 1 << "CAPS"
                               << "Caps Lock" << int(XCB_MOD_MASK_LOCK);
    QTest::newRow("Num Lock") << 2 << "NUM"
                              << "Num Lock"
                              << int(XCB_MOD_MASK_2);  // where the X server binds Num Lock
  }
  void panelsFollowTheLockKeys() {
    QFETCH(int, panel);
    QFETCH(QString, shown);
    QFETCH(QString, said);
    QFETCH(int, mask);
    calvanir::ui::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLabel* label = form.findChild<calvanir::ui::StatusBar*>("StatusBar1")->Panel(panel);
    const auto spoken = [label] {
      return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    };
    QTRY_COMPARE(label->text(), shown);
    QVERIFY(!label->isEnabled());
    QCOMPARE(spoken(), said + " off");

    form.clearFocus();
    SetLocked(static_cast<std::uint8_t>(mask), true);
    QTRY_VERIFY(label->isEnabled());
    QCOMPARE(label->text(), shown);
    QCOMPARE(spoken(), said + " on");
    SetLocked(static_cast<std::uint8_t>(mask), false);
    QTRY_VERIFY(!label->isEnabled());
    QCOMPARE(spoken(), said + " off");
  }

  void middleClickPastesADateIntoAPicker_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QDate>("after");
    QTest::newRow("a date") << "2024-03-15" << QDate(2024, 3, 15);
    QTest::newRow("no date") << "15 March" << QDate(2003, 3, 14);
  }
  void middleClickPastesADateIntoAPicker() {
    QFETCH(QString, selection);
    QFETCH(QDate, after);
    calvanir::ui::DatePicker picker;
    picker.setDate(QDate(2003, 3, 14));
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QApplication::clipboard()->setText(selection, QClipboard::Selection);
    QTest::mouseClick(picker.findChild<QLineEdit*>(), Qt::MiddleButton);
    QCOMPARE(picker.date(), after);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  X11Test test;
  return calvanir::ui::AfterEventLoop(QTest::qExec(&test, argc, argv));
}
#include "x11_test.moc"
