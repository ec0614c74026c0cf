#pragma once
// What the windows tell the user about the data file at `path`.
#include "DataFile.h"

#include <QString>

namespace quennet {

// The open command's message: opened, created, or why not.
QString openMessage(const DataFile::OpenResult& result, const QString& path);
// The close command's message: "  保存成功! ", or why not.
QString closeMessage(const DataFile::CloseResult& result, const QString& path);
QString unreadableMessage(const FileError& error, const QString& path);
// A command that could not read or write the file; the reason goes beside it.
QString readFailedMessage(const QString& path);
QString writeFailedMessage(const QString& path);
// Why, in the windows' words (see FileFailureText).
QString reasonOf(const FileError& error);

}  // namespace quennet
