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
    case EISDIR:
        return Error::AccessDenied;
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
    default:
        return Error::GeneralFailure;
    }
}
