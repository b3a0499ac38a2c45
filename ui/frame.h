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
  // Whether the caption shows whole on the top edge in the current font.
  bool CaptionFits() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace calvanir::ui
