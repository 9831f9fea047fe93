#pragma once

#include <QStringList>

/// Turns one dropped item or command-line argument into the entries it adds to the input list:
/// nothing when the path names nothing; the path itself, unchanged, for a file; and for a folder
/// every entry below it at any depth (subfolders and hidden files too) by absolute path; nothing
/// for a root ("/", a drive), as a dropped drive adds nothing. Symbolic links are listed but never followed
/// into folders, so a link loop ends; unreadable folders are skipped.
QStringList collectInputs(const QString &path);
