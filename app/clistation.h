// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// velmora-cli drive DEVICE DEVICE...: every drive wiped at once, each on a
// thread of its own with its own random stream, progress, record and signed
// outcome.

#include "app/clioptions.h"

namespace cli
{

// Checks and holds every drive, asks once, wipes them all side by side and
// ends with a table of each drive's state: the exit status, 0 only when
// every drive was erased. A drive refused refuses them all (2, nothing
// touched); a drive that fails stops none of the others.
int runDriveStation(const Options &options);

} // namespace cli
