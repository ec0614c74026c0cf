#pragma once
// The system's files on a card that fails on demand: every read, or every write into a held file,
// from when it is told until it is healed, or only the next few writes (a new file in the old one's
// place counts as a write).
#include "FileAccess.h"
#include "LockedFile.h"

#include <QString>

namespace quennet::testing {

class FailingFiles final : public quennet::FileAccess {
public:
    QString readFault;  // the system's reason for the failure; empty: no fault
    QString writeFault;
    int failingWrites = -1;   // how many writes fail before the card heals by itself; -1: all
    bool tornWrites = false;  // a failing write puts the first half of its bytes on the card first

    std::unique_ptr<quennet::HeldFile> open(const std::string& path, Mode mode,
                                            quennet::FileError& error) override
    {
        return failing(quennet::systemFileAccess().open(path, mode, error));
    }
    std::unique_ptr<quennet::HeldFile> create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                              bool replace, quennet::FileError& error) override
    {
        return failing(quennet::systemFileAccess().create(path, bytes, replace, error));
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
        bool sync(quennet::FileError& error) override { return file_->sync(error); }
        bool isAt(const std::string& path) const override { return file_->isAt(path); }
        bool replaceWith(const std::vector<std::uint8_t>& bytes, quennet::FileError& error) override
        {
            return !writeFails(error) && file_->replaceWith(bytes, error);
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
