// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The commands of velmora-cli that run no job: each takes its own words
// (after the command's name) and returns the exit status.

#include <QString>
#include <QStringList>

namespace cli
{

// velmora-cli volumes [--json]
int listVolumes(const QStringList &words);
// velmora-cli drives [--json]
int listDrives(const QStringList &words);
// velmora-cli reports [--json]: every kept outcome, newest first.
int listReports(const QStringList &words);
// velmora-cli schedule add|list|remove …, a new schedule with `method`
int schedule(const QStringList &words, const QString &every, const QString &method);
// velmora-cli check-report FILE [--key FINGERPRINT]
int checkReport(const QStringList &files, const QString &key);

} // namespace cli
