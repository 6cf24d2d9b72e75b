// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace velmora
{

// The catalogue of the user's language, built in, and Qt's own for the
// standard buttons where the system has it.
void installTranslations(QCoreApplication &app);

} // namespace velmora
