// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up benchmark: an empty Qt window of the same size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(288, 407);
  window.show();
  return app.exec();
}
