#pragma once
// The system's files on a card that fails on demand, from when it is told until it is healed: every
// read, every write into a held file (or only the next few; a new file in the old one's place counts
// as a write), every sync, every new file in a held file's place or beside it, every new file, or
// every look at or making of a folder.
#include "FileAccess.h"
#include "SystemFiles.h"

#include <QString>

namespace quennet::testing {

class FailingFiles final : public quennet::FileAccess {
public:
    // The system's reason for each kind of failure; empty: no fault.
    QString readFault;
    QString writeFault;
    QString syncFault;
    QString replaceFault;  // replaceWith and copyTo
    QString createFault;
    QString folderFault;      // openFolder, makeFolders and names
    int failingWrites = -1;   // how many writes fail before the card heals by itself; -1: all
    bool tornWrites = false;  // a failing write puts the first half of its bytes on the card first

    std::unique_ptr<quennet::Folder> openFolder(const std::string& path, quennet::FileError& error) override
    {
        if (fails(folderFault, error))
            return nullptr;
        std::unique_ptr<quennet::Folder> folder = quennet::systemFileAccess().openFolder(path, error);
        return folder ? std::make_unique<FailingFolder>(std::move(folder), *this) : nullptr;
    }
    bool makeFolders(const std::string& path, quennet::FileError& error) override
    {
        return !fails(folderFault, error) && quennet::systemFileAccess().makeFolders(path, error);
    }
    std::optional<std::vector<std::string>> names(const std::string& path, quennet::FileError& error) override
    {
        if (fails(folderFault, error))
            return std::nullopt;
        return quennet::systemFileAccess().names(path, error);
    }

private:
    class File final : public quennet::HeldFile {
    public:
        File(std::unique_ptr<quennet::HeldFile> file, FailingFiles& files)
            : file_(std::move(file)), files_(files)
        { }
        std::optional<std::size_t> readAt(long offset, void* data, std::size_t size,
                                          quennet::FileError& error) override
        {
            if (fails(files_.readFault, error))
                return std::nullopt;
            return file_->readAt(offset, data, size, error);
        }
        bool writeAt(long offset, const void* data, std::size_t size, quennet::FileError& error) override
        {
            if (!writeFails(error))
                return file_->writeAt(offset, data, size, error);
            if (files_.tornWrites) {
                quennet::FileError ignored;
                file_->writeAt(offset, data, size / 2, ignored);
            }
            return false;
        }
        std::optional<long> length(quennet::FileError& error) const override { return file_->length(error); }
        bool sync(quennet::FileError& error) override
        {
            return !fails(files_.syncFault, error) && file_->sync(error);
        }
        bool isAt(const std::string& path) const override { return file_->isAt(path); }
        bool replaceWith(const std::vector<std::uint8_t>& bytes, quennet::FileError& error) override
        {
            return !writeFails(error) && !fails(files_.replaceFault, error)
                && file_->replaceWith(bytes, error);
        }
        bool copyTo(const std::string& name, quennet::FileError& error) override
        {
            return !fails(files_.replaceFault, error) && file_->copyTo(name, error);
        }

    private:
        bool writeFails(quennet::FileError& error)
        {
            if (files_.failingWrites == 0 || !fails(files_.writeFault, error))
                return false;
            if (files_.failingWrites > 0)
                --files_.failingWrites;
            return true;
        }

        std::unique_ptr<quennet::HeldFile> file_;
        FailingFiles& files_;
    };

    class FailingFolder final : public quennet::Folder {
    public:
        FailingFolder(std::unique_ptr<quennet::Folder> folder, FailingFiles& files)
            : folder_(std::move(folder)), files_(files)
        { }
        std::unique_ptr<quennet::HeldFile> open(const std::string& name, quennet::FileAccess::Mode mode,
                                                quennet::FileError& error) override
        {
            return files_.failing(folder_->open(name, mode, error));
        }
        std::unique_ptr<quennet::HeldFile> create(const std::string& name,
                                                  const std::vector<std::uint8_t>& bytes, bool replace,
                                                  quennet::FileError& error) override
        {
            if (fails(files_.createFault, error))
                return nullptr;
            return files_.failing(folder_->create(name, bytes, replace, error));
        }
        void removeLeftovers(const std::string& name) override { folder_->removeLeftovers(name); }

    private:
        std::unique_ptr<quennet::Folder> folder_;
        FailingFiles& files_;
    };

    static bool fails(const QString& fault, quennet::FileError& error)
    {
        if (fault.isEmpty())
            return false;
        error = quennet::FileError::system(fault.toStdString());
        return true;
    }
    std::unique_ptr<quennet::HeldFile> failing(std::unique_ptr<quennet::HeldFile> file)
    {
        return file ? std::make_unique<File>(std::move(file), *this) : nullptr;
    }
};

}  // namespace quennet::testing
