#include "TimingDocument.h"

#include "TimingFileLayout.h"

#include <utility>

namespace tavisto {

void TimingDocument::startUp()
{
    TimingFile::startUp();
}

FileError TimingDocument::newFile(TimingSet& set)
{
    close();
    NewFile = 1;
    set = TimingSet::fresh();
    return {};
}

FileError TimingDocument::close()
{
    file_.close();
    taken_.close();
    image_.clear();
    NewFile = 0;
    Modified = 0;
    return {};
}

FileError TimingDocument::open(const std::string& path, TimingSet& set)
{
    close();
    FileName = path;
    FileImage bytes;
    FileError error = file_.open(path);
    if (!error)
        error = file_.readAll(bytes);
    if (error) {
        file_.close();
        return error;
    }
    set = decodeTimingFile(bytes);
    image_ = std::move(bytes);
    return {};
}

FileError TimingDocument::takePath(const std::string& path)
{
    const FileError error = taken_.create(path, file_);
    if (!error)
        takenName_ = path;
    return error;
}

FileError TimingDocument::save(const TimingSet& set, bool overOther)
{
    const bool toTaken = taken_.isOpen();
    if (!toTaken && !file_.isOpen())
        return {};
    FileImage image = image_;
    encodeTimingFile(set, image);
    // A path taken was chosen in the save dialog, which asked before replacing a file there.
    const FileError error = (toTaken ? taken_ : file_).replace(image, overOther || toTaken);
    if (toTaken) {
        if (error) {
            taken_.close();
            return error;
        }
        file_ = std::move(taken_);
        FileName = takenName_;
    }
    if (error)
        return error;
    image_ = std::move(image);
    NewFile = 0;
    Modified = 0;
    return {};
}

FileError TimingDocument::peek(const std::string& path, TimingSet& set,
                               std::vector<TimingFileFinding>& findings)
{
    FileImage bytes;
    // The layout's length tells all there is to look at.
    const FileError error = TimingFile::peek(path, kTimingFileSize, bytes);
    if (error)
        return error;
    set = decodeTimingFile(bytes);
    findings = inspectTimingFile(bytes);
    return {};
}

}  // namespace tavisto
