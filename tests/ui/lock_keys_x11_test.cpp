// The Caps Lock and Num Lock panels on a real X server: the states are read at start and follow
// changes made by another client, while the window need not have the focus.
#include <xcb/xcb.h>
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "form1.h"
#include "status_bar.h"

class LockKeysX11Test : public QObject {
  Q_OBJECT

  // Another X client, as a keyboard or another program would be.
  xcb_connection_t* other = nullptr;

  void SetLocked(std::uint8_t mask, bool on) {
    xcb_xkb_latch_lock_state(other, XCB_XKB_ID_USE_CORE_KBD, mask, on ? mask : 0, 0, 0, 0, 0, 0);
    xcb_flush(other);
  }

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server");
    other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    auto* reply = xcb_xkb_use_extension_reply(other, xcb_xkb_use_extension(other, 1, 0), nullptr);
    QVERIFY(reply && reply->supported);
    std::free(reply);
    SetLocked(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2, false);
  }
  void cleanupTestCase() {
    if (other) xcb_disconnect(other);
  }

  void panelsFollowTheLockKeys_data() {
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mask");
    QTest::newRow("Caps Lock") << 1 << "CAPS" << int(XCB_MOD_MASK_LOCK);
    QTest::newRow("Num Lock") << 2 << "NUM"
                              << int(XCB_MOD_MASK_2);  // where the X server binds Num Lock
  }
  void panelsFollowTheLockKeys() {
    QFETCH(int, panel);
    QFETCH(QString, name);
    QFETCH(int, mask);
    calvanir::ui::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLabel* label = form.findChild<calvanir::ui::StatusBar*>("StatusBar1")->Panel(panel);
    QCOMPARE(label->text(), name);
    QVERIFY(!label->isEnabled());

    form.clearFocus();
    SetLocked(static_cast<std::uint8_t>(mask), true);
    QTRY_VERIFY(label->isEnabled());
    QCOMPARE(label->text(), name);
    SetLocked(static_cast<std::uint8_t>(mask), false);
    QTRY_VERIFY(!label->isEnabled());
  }
};

QTEST_MAIN(LockKeysX11Test)
#include "lock_keys_x11_test.moc"
