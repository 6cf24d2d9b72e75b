// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <QString>

namespace velmora
{

// One thing a job tells of as it goes. The text is the log's line as the
// user reads it, its mark included; what the code decides by is the kind,
// never the mark.
struct JobEvent {
    enum class Kind {
        Info,    // what is being done, and the closing line
        Erased,  // an entry is gone, beyond recovery
        Warning, // done, but something the user must know
        Problem, // an entry was not (or not fully) erased
        Error,   // the job could not go on
    };

    Kind kind = Kind::Info;
    QString text;
    QString path; // the entry it is about, as shown; empty for the job as a whole
    int error = 0; // why, as an errno value; 0 when none is known
    QString detail; // what the errno alone does not say ("the file is immutable")
    bool reasonInText = false; // the text says the reason already

    // The text, with the reason after it when there is one.
    QString line() const;
    // The file system's reason in words, or empty.
    QString reason() const;
    // Whether the user must see it even when asking for problems only.
    bool notable() const { return kind == Kind::Warning || kind == Kind::Problem || kind == Kind::Error; }

    // "info", "erased", "warning", "problem", "error": for scripts, in every
    // language alike.
    static QString kindName(Kind kind);
    QJsonObject toJson() const;
};

} // namespace velmora
