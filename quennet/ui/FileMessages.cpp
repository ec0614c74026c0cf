#include "FileMessages.h"

#include "FileFailureText.h"

namespace quennet {

namespace {
const char kOpenedMessage[] = "%1 定时文件打开成功,可以开始输入定时!";
const char kCreatedMessage[] = "%1 定时文件创建成功,可以开始输入定时!";
const char kCreateFailed001[] = "%1 定时文件创建失败001,不能输入定时!";
const char kCreateFailed002[] = "%1 定时文件创建失败002,不能输入定时!";
const char kRefusedMessage[] = "%1 定时文件无法打开(%2),文件没有任何改动!";
const char kSavedMessage[] = "  保存成功! ";
const char kSaveFailedMessage[] = "%1 定时文件保存失败(%2)!";
const char kOpenErrorMessage[] = "o err";
const char kUnreadableMessage[] = "%1 定时文件无法读取(%2)";
const char kReadFailedMessage[] = "%1 定时文件无法读取,操作没有完成!";
const char kWriteFailedMessage[] = "%1 定时文件无法写入,操作没有完成!";

QString withPath(const char* format, const QString& path)
{
    return QString::fromUtf8(format).arg(path);
}

QString withReason(const char* format, const QString& path, const FileError& error)
{
    return QString::fromUtf8(format).arg(path, reasonOf(error));
}
}  // namespace

QString reasonOf(const FileError& error)
{
    return fileFailureReason(error, FailureLanguage::Chinese);
}

QString openMessage(const DataFile::OpenResult& result, const QString& path)
{
    switch (result.outcome) {
    case DataFile::OpenOutcome::Opened: return withPath(kOpenedMessage, path);
    case DataFile::OpenOutcome::Created:
    case DataFile::OpenOutcome::Replaced: return withPath(kCreatedMessage, path);
    case DataFile::OpenOutcome::Refused: return withReason(kRefusedMessage, path, result.error);
    case DataFile::OpenOutcome::NotCreated: return withPath(kCreateFailed001, path);
    case DataFile::OpenOutcome::NotReplaced: return withPath(kCreateFailed002, path);
    }
    return {};
}

QString closeMessage(const DataFile::CloseResult& result, const QString& path)
{
    if (!result.reached)
        return QString::fromUtf8(kOpenErrorMessage);
    return result.saved() ? QString::fromUtf8(kSavedMessage)
                          : withReason(kSaveFailedMessage, path, result.error);
}

QString unreadableMessage(const FileError& error, const QString& path)
{
    return withReason(kUnreadableMessage, path, error);
}

QString readFailedMessage(const QString& path)
{
    return withPath(kReadFailedMessage, path);
}

QString writeFailedMessage(const QString& path)
{
    return withPath(kWriteFailedMessage, path);
}

}  // namespace quennet
