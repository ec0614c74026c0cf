#pragma once
// Why a file could not be used, in the windows' words or in English for the command line: the one
// place that words a file failure.
#include "FileError.h"

#include <QString>

namespace quennet {

enum class FailureLanguage { Chinese, English };

// "另一个程序正在使用这个文件", "这不是普通文件", ..., or the system's own reason in the locale's
// language.
QString fileFailureReason(const FileError& error, FailureLanguage language);

}  // namespace quennet
