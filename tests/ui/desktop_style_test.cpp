// SPDX-License-Identifier: GPL-3.0-or-later
// The built program follows the desktop's colour scheme as a user meets it: started as its own
// process beside a stand-in Settings portal (another process) on a private session bus, and
// looked at from outside, in the pixels of its window on the X server and in what the window tells
// the window manager of its title bar.
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QtTest>

// How long the program has to follow a change, and to show that it does not.
constexpr int kWithinMs = 1000;

class DesktopStyleTest : public QObject {
  Q_OBJECT

 public:
  enum class Look { Unpainted, Light, Dark };
  Q_ENUM(Look)

 private:
  QProcess portal, program;
  QTemporaryDir runtime;
  WId window = 0;

  // The colour most of the window shows: the dark palette's own, or a light one. A window not yet
  // painted shows neither.
  Look Seen() const {
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        ++counts[image.pixel(x, y)];
    QRgb commonest = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count)
      if (count.value() > counts.value(commonest)) commonest = count.key();
    // Dark in any dark palette, Qt's or ours; unpainted, black or the root window's weave.
    const int lightness = QColor(commonest).lightness();
    if (lightness > 160) return Look::Light;
    return lightness > 20 && lightness < 100 ? Look::Dark : Look::Unpainted;
  }

  // "dark" where the window manager is to draw the title bar dark; nothing, its own default.
  QByteArray Variant() const {
    xcb_connection_t* x11 =
        qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    constexpr char kName[] = "_GTK_THEME_VARIANT";
    auto* atom =
        xcb_intern_atom_reply(x11, xcb_intern_atom(x11, 0, sizeof kName - 1, kName), nullptr);
    auto* reply = xcb_get_property_reply(
        x11, xcb_get_property(x11, 0, window, atom->atom, XCB_ATOM_ANY, 0, 16), nullptr);
    QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)),
                     xcb_get_property_value_length(reply));
    std::free(atom);
    std::free(reply);
    return value;
  }

  // The next word of the portal's but for the reads it answered: Qt's themes read it too, as and
  // when their version does.
  void ExpectFromPortal(const char* word) {
    QByteArray said;
    do {
      QVERIFY2(portal.canReadLine() || portal.waitForReadyRead(5000),
               "the stand-in portal said nothing");
      said = portal.readLine().trimmed();
    } while (said == "answered" && said != word);
    QCOMPARE(said, QByteArray(word));
  }

  // A change must show within the bound; where none is due, the window must keep its look for as
  // long, or a wrong answer that flips it a moment later would pass.
  void Expect(Look before, Look after) {
    if (before != after) {
      QTRY_COMPARE_WITH_TIMEOUT(Seen(), after, kWithinMs);
    } else {
      QElapsedTimer held;
      held.start();
      while (held.elapsed() < kWithinMs) {
        QCOMPARE(Seen(), after);
        QTest::qWait(50);
      }
    }
    QCOMPARE(Variant(), QByteArray(after == Look::Dark ? "dark" : ""));
  }

 private slots:
  // The suite gives it both (on_xvfb.sh, dbus-run-session); run bare, it has neither to look at.
  void initTestCase() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server to look at the window");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
      QSKIP("needs a private session bus for the stand-in portal");
  }
  void cleanup() {
    for (QProcess* process : {&program, &portal}) {
      process->kill();
      process->waitForFinished();
    }
  }

  // Each step is a scheme and the look it must give: the first answers the one read at start
  // (none: no portal; a second read fails where "sent" is due), the rest are emitted as changes.
  // Again under Qt's GTK theme, where it is installed: from Qt 6.8 on, it reads the portal itself,
  // and the window follows Qt's reading.
  void followsTheDesktop_data() {
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QStringList>("schemes");
    QTest::addColumn<QList<Look>>("looks");
    QStringList themes{""};
    if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                          "/platformthemes/libqgtk3.so"))
      themes << "gtk3";
    for (const QString& theme : themes) {
      const auto row = [&](const char* name) -> QTestData& {
        return QTest::addRow("%s%s", name, theme.isEmpty() ? "" : ", gtk3") << theme;
      };
      row("dark, light, dark") << QStringList{"u:1", "u:2", "u:1"}
                               << QList{Look::Dark, Look::Light, Look::Dark};
      row("light, dark, no preference")
          << QStringList{"u:2", "u:1", "u:0"} << QList{Look::Light, Look::Dark, Look::Light};
      row("no portal") << QStringList{} << QList{Look::Light};
      // Then a right one, to show that the program was listening all along. Qt's GTK theme takes
      // any answer it can read as a number: Qt's reading, not the window's.
      if (theme.isEmpty())
        row("the wrong type") << QStringList{"s:1", "s:1", "u:1"}
                              << QList{Look::Light, Look::Light, Look::Dark};
    }
  }
  void followsTheDesktop() {
    QFETCH(QString, theme);
    QFETCH(QStringList, schemes);
    QFETCH(QList<Look>, looks);
    if (!schemes.isEmpty()) {
      portal.start(QStringLiteral(CALVANIR_STAND_IN_PORTAL), {schemes.takeFirst()});
      ExpectFromPortal("ready");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORMTHEME", theme);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CALVANIR_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QProcess search;
    search.start("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                             QString::number(program.processId())});
    QVERIFY(search.waitForFinished(20000) && search.exitCode() == 0);
    window = search.readAllStandardOutput().split('\n').first().toULongLong();
    if (portal.state() == QProcess::Running) ExpectFromPortal("answered");

    QTRY_VERIFY_WITH_TIMEOUT(Seen() != Look::Unpainted, 5000);
    Look seen = Seen();
    for (qsizetype step = 0; step < looks.size(); ++step) {
      if (step > 0) {
        portal.write(schemes[step - 1].toLatin1() + '\n');
        ExpectFromPortal("sent");
      }
      Expect(seen, looks[step]);
      if (QTest::currentTestFailed()) return;
      seen = looks[step];
    }
    // Silent throughout: where no portal answers and where one answers wrongly alike.
    QCOMPARE(program.readAllStandardError(), QByteArray());
  }
};

QTEST_MAIN(DesktopStyleTest)
#include "desktop_style_test.moc"
