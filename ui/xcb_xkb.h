// SPDX-License-Identifier: GPL-3.0-or-later
// <xcb/xkb.h> for C++: the header names a member `explicit`, a C++ keyword, which is renamed while
// it is read; clang warns that a macro may not hide a keyword.
#pragma once

#include <xcb/xcb.h>
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
