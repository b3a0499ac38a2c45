// SPDX-License-Identifier: GPL-3.0-or-later
// The Caps Lock and Num Lock states, kept current while the program runs, also while another window
// has the focus.
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

  // Empty where the state cannot be read: on a platform other than X11, or with no Num Lock key.
  std::optional<bool> CapsLock() const;
  std::optional<bool> NumLock() const;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void changed();

 private:
  void ReadModifierMapping();
  void ReadLockedModifiers();
  void SetLocked(std::uint8_t lockedModifiers);

  struct X11;
  std::unique_ptr<X11> x11_;
  std::uint8_t numLockMask_ = 0;  // the real modifier Num Lock is bound to; 0 when none
  std::optional<std::uint8_t> locked_;
};

}  // namespace calvanir::ui
