#include "platform/ErrorCode.h"

#include <cerrno>

ErrorCode ErrorCodeFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case 0:
        return Error::Success;
    case ENOENT:
        return Error::FileNotFound;
    case ENOTDIR:
        return Error::PathNotFound;
    case EACCES:
    case EPERM:
        return Error::AccessDenied;
    case EISDIR:
        return Error::IsADirectory;
    case EROFS:
        return Error::WriteProtected;
    case ENOMEM:
        return Error::NotEnoughMemory;
    case EBUSY:
    case ETXTBSY:
        return Error::SharingViolation;
    case EEXIST:
        return Error::AlreadyExists;
    case EINVAL:
        return Error::InvalidParameter;
    case ENOSPC:
    case EDQUOT:
        return Error::DiskFull;
    case ENAMETOOLONG:
        return Error::FilenameTooLong;
    case ENOTEMPTY:
        return Error::DirectoryNotEmpty;
    case EIO:
        return Error::WriteFault;
    case EFBIG:
        return Error::FileTooLarge;
    default:
        return Error::GeneralFailure;
    }
}

static const char* SystemErrorMeaning(ErrorCode code)
{
    switch (code) {
    case Error::Success:
        return "no error";
    case Error::FileNotFound:
        return "no such file";
    case Error::PathNotFound:
        return "a folder of the path is missing or is not a folder";
    case Error::AccessDenied:
        return "permission denied";
    case Error::NotEnoughMemory:
    case Error::OutOfMemory:
        return "not enough memory";
    case Error::InvalidData:
        return "the data is not valid";
    case Error::WriteProtected:
        return "the file system is read-only";
    case Error::WriteFault:
    case Error::ReadFault:
        return "input/output error";
    case Error::SharingViolation:
        return "the file is in use";
    case Error::HandleEof:
        return "the file ends early";
    case Error::HandleDiskFull:
    case Error::DiskFull:
        return "the disk is full";
    case Error::FileExists:
    case Error::AlreadyExists:
        return "it exists already";
    case Error::InvalidParameter:
        return "invalid argument";
    case Error::InvalidName:
        return "the name is not valid";
    case Error::FilenameTooLong:
        return "the file name is too long";
    case Error::NotARegularFile:
        return "is not a regular file";
    case Error::FileTooLarge:
        return "the file is too large";
    case Error::IsADirectory:
        return "is a directory";
    case Error::DirectoryNotEmpty:
        return "the folder is not empty";
    default:
        return nullptr;
    }
}

std::string SystemErrorText(ErrorCode code)
{
    std::string number = "system error " + std::to_string(code);
    const char* meaning = SystemErrorMeaning(code);
    return meaning ? std::string(meaning) + " (" + number + ")" : number;
}
