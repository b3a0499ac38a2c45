// SPDX-License-Identifier: GPL-3.0-or-later
// The Caps Lock and Num Lock states, kept current while the program runs. On X11 also while another
// window has the focus; a Wayland compositor tells them only to the window with the keyboard, and
// tells them again when the keyboard comes back.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>

namespace calvanir::ui {

class LockKeys : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit LockKeys(QObject* parent = nullptr);
  ~LockKeys() override;

  // Empty where the state cannot be read: on a platform other than X11 and Wayland, with no Num
  // Lock key, or on Wayland before the window first has the keyboard.
  std::optional<bool> CapsLock() const { return capsLock_; }
  std::optional<bool> NumLock() const { return numLock_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void changed();

 private:
  void ReadModifierMapping();
  void ReadLockedModifiers();
  void SetLocked(std::uint8_t lockedModifiers);
  void SetStates(std::optional<bool> capsLock, std::optional<bool> numLock);

  struct X11;
  std::unique_ptr<X11> x11_;
  std::uint8_t numLockMask_ = 0;  // the real modifier Num Lock is bound to; 0 when none
  struct Wayland;
  std::unique_ptr<Wayland> wayland_;
  std::optional<bool> capsLock_, numLock_;
};

}  // namespace calvanir::ui
