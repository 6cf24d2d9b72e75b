// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The options of velmora-cli, read once for every command.

#include "engine/job/reportdetails.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace cli
{

struct Options {
    QString command;   // the first positional word
    QStringList words; // the positional words after it, decoded
    // The same words as the bytes they came as, each read from its own
    // place in argv: a name that is not valid UTF-8 is never confused with
    // another that decodes alike.
    QByteArrayList paths;
    QString method;
    bool methodGiven = false;
    bool verify = false;
    bool quiet = false;
    bool yes = false;
    bool preserveRoot = true;
    bool traces = true;
    bool trash = false;
    bool thenFreeSpace = false;
    bool cryptoErase = false;
    bool noVerify = false;
    // drive --verify=sample|full: empty where not named (full).
    QString verifyMode;
    // drive --format FS [--label NAME]
    bool formatGiven = false;
    QString format;
    bool labelGiven = false;
    QString label;
    // drive --sanitize[=ACTION] [--then-overwrite]
    bool sanitize = false;
    QString sanitizeAction;
    bool thenOverwrite = false;
    bool liftHiddenArea = false;
    QByteArray jsonFile; // as bytes, as the paths
    QByteArray reportFile;
    QString every; // schedule add
    QString key;   // check-report
    // report.conf, then the options.
    velmora::ReportDetails details;
};

// Every option and the help text.
void describeOptions(QCommandLineParser &parser);

// Fills `options` from a parsed command line and its argv: 0, or the exit
// status of a refusal (said).
int readOptions(const QCommandLineParser &parser, int argc, char **argv, Options *options);

// --help, --version and --methods: said, and true; nothing else is done.
bool answersOnly(const QCommandLineParser &parser);

} // namespace cli
