// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayList>

namespace velmora
{

// The home folders an erase must keep whole: the process's own and, in
// administrator mode (pkexec or sudo), that of the user who asked.
QByteArrayList protectedHomes();

} // namespace velmora
