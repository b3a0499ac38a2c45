// SPDX-License-Identifier: GPL-3.0-or-later
// Our text boxes' interface for screen readers, the roles, and the announcer.
#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "qt_version.h"

namespace calvanir::ui {
namespace {

constexpr const char* kRoleProperty = "calvanirAccessibleRole";

// QLineEdit's fixed gap between its frame and its text, in pixels.
constexpr int kLineEditTextMargin = 2;

// The run of `boundary` around `offset` in one line of text, as [*start, *end): a character, the
// stretch between two word or sentence boundaries (a word, or the spaces after it), or the line.
// At the end of the text the last word, sentence or line, and no character.
QString TextRunAt(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                  int* start, int* end) {
  const int length = static_cast<int>(text.size());
  *start = *end = -1;
  if (offset < 0 || offset > length) return {};
  QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
  switch (boundary) {
    case QAccessible::CharBoundary:
      if (offset == length) return *start = *end = length, QString{};
      break;
    case QAccessible::WordBoundary:
      type = QTextBoundaryFinder::Word;
      break;
    case QAccessible::SentenceBoundary:
      type = QTextBoundaryFinder::Sentence;
      break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary:
      *start = 0;
      *end = length;
      return text;
  }
  if (length == 0) return *start = *end = 0, QString{};
  QTextBoundaryFinder finder(type, text);
  finder.setPosition(offset);
  // A run starts at a boundary; the end of the text closes the last run rather than starting one.
  *start = finder.isAtBoundary() && offset < length
               ? offset
               : static_cast<int>(std::max<qsizetype>(0, finder.toPreviousBoundary()));
  finder.setPosition(*start);
  const qsizetype next = finder.toNextBoundary();
  *end = next < 0 ? length : static_cast<int>(next);
  return text.mid(*start, *end - *start);
}

class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text which) const override {
    if (which == QAccessible::Value) return Box()->text();
    // A result box's tooltip holds its text, which is read as the value already.
    if (which == QAccessible::Description) return Box()->accessibleDescription();
    return QAccessibleWidget::text(which);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = Box()->isReadOnly();
    state.selectableText = true;
    return state;
  }

  // The box holds at most one selection.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Box()->hasSelectedText()) return;
    *start = Box()->selectionStart();
    *end = *start + Box()->selectionLength();
  }
  int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { Box()->deselect(); }
  void setSelection(int, int start, int end) override { Box()->setSelection(start, end - start); }
  int cursorPosition() const override { return Box()->cursorPosition(); }
  void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
  QString text(int start, int end) const override { return Box()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Box()->text().size()); }

  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                       int* end) const override {
    return TextRunAt(Box()->text(), Caret(offset), boundary, start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                           int* end) const override {
    const QString text = Box()->text();
    TextRunAt(text, Caret(offset), boundary, start, end);
    if (*start <= 0) return *start = *end = 0, QString{};
    return TextRunAt(text, *start - 1, boundary, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                          int* end) const override {
    const QString text = Box()->text();
    const int length = static_cast<int>(text.size());
    TextRunAt(text, Caret(offset), boundary, start, end);
    if (*end < 0 || *end >= length) return *start = *end = length, QString{};
    return TextRunAt(text, *end, boundary, start, end);
  }

  // One run covers the whole text: Orca reads only the text that attribute runs cover.
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  // The text starts after the frame and the line edit's margin, at the left (the boxes are not
  // aligned otherwise), and from its first character (the boxes are short enough not to scroll).
  QRect characterRect(int offset) const override {
    const QLineEdit* box = Box();
    const QString text = box->text();
    if (offset < 0 || offset >= text.size()) return {};
    const int frame =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const QRect contents = box->contentsRect()
                               .marginsRemoved(box->textMargins())
                               .adjusted(frame + kLineEditTextMargin, frame, -frame, -frame);
    const QFontMetrics metrics = box->fontMetrics();
    const int left = contents.left() + metrics.horizontalAdvance(text.left(offset));
    const QRect glyph(left, contents.top(), metrics.horizontalAdvance(text.mid(offset, 1)),
                      contents.height());
    return {box->mapToGlobal(glyph.topLeft()), glyph.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int) override { Box()->setCursorPosition(start); }

 private:
  QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
  // -2 asks for the caret's offset.
  int Caret(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

// Asked for each class of `object` from the most derived on: a role given wins over the class's.
QAccessibleInterface* InterfaceOf(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (const QVariant role = widget->property(kRoleProperty); role.isValid())
    return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
  if (className == QLatin1String(QLineEdit::staticMetaObject.className()))
    return new TextBoxAccessible(static_cast<QLineEdit*>(widget));
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = (QAccessible::installFactory(&InterfaceOf), true);
  (void)installed;
}

void GiveAccessibleRole(QWidget* widget, QAccessible::Role role) {
  widget->setProperty(kRoleProperty, int(role));
}

Announcer::Announcer(QWidget* statusBar) : QWidget(statusBar) {
  GiveAccessibleRole(this, QAccessible::Notification);
  setGeometry(0, 0, 0, 0);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void Announcer::Announce(const QString& text) {
  if (QtSendsAnnouncements()) return SendAnnouncement(this, text);
  // Before Qt 6.8 there is no announcement to send, and Qt 6.4 tells a screen reader of a new name
  // or description without the text itself, which Orca cannot speak. Orca speaks a notification in
  // a status bar as it appears: its name, and nothing of its role. Gone again at once, it is not
  // read with the status bar's panels.
  setAccessibleName(text);
  show();
  hide();
}

}  // namespace calvanir::ui
