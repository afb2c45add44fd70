#pragma once

#include "transfer/RemoteItem.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace ondrix {

// Rules for the names and paths the browser and the folder picker show and build. Servers send names; they
// are shown, never obeyed: a name with a control character (a line break, a NUL), a "/" (so "../x") or that
// is "." or ".." could make a command act elsewhere, so it is listed with its control characters made
// visible and every operation on it is refused.
class RemoteNames {
    Q_DECLARE_TR_FUNCTIONS(RemoteNames)

public:
    // Whether operations may use an entry the server listed under `name`.
    static bool isSafe(const QString& name);
    // Whether an entry's path is its folder's path joined with its own safe name.
    static bool isSafeEntry(const RemoteItem& item, const QString& folder);
    // `name` for display: control characters as their visible pictures (a line feed as "␊"), direction
    // overrides as "�".
    static QString shown(const QString& name);

    // A name the user typed, trimmed of white space and newlines at both ends.
    static QString trimmedTypedName(const QString& typed);
    // Why a trimmed, non-empty typed name cannot be used, or nothing when it can.
    static std::optional<QString> typedNameProblem(const QString& name);

    // The folders from the top down to `path`: "/a/b" → "/", "/a", "/a/b".
    static QStringList ancestry(const QString& path);
    // The last component of `path`, or "/" for the top.
    static QString lastComponent(const QString& path);

    // The text after the last "." of a name ("" for none, and for a name that starts with its only ".").
    static QString extension(const QString& name);
    // "Folder"; for files the upper-cased extension + " File", or "File" without one.
    static QString typeText(const RemoteItem& item);
    // The freedesktop icon name of an entry's kind (a folder, or a file by its extension).
    static QString iconName(const RemoteItem& item);
    // "1 folder, 3 files", "2 files", "Empty folder".
    static QString summary(qsizetype folders, qsizetype files);
};

} // namespace ondrix
