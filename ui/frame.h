// A captioned frame: an etched box whose caption sits on its top edge, grouping the controls
// inside.
#pragma once

#include <QString>
#include <QWidget>

namespace calvanir::ui {

class Frame : public QWidget {
  Q_OBJECT

 public:
  explicit Frame(const QString& caption, QWidget* parent = nullptr);

  QString Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace calvanir::ui
