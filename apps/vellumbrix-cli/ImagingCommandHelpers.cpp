#include "ImagingCommandHelpers.h"

#include "CliCommand.h"

std::optional<File> OpenPictureFile(const std::string& path, int& status)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError()) {
        status = Failure("can't open " + path + ": " + SystemErrorText(file.GetError()));
        return std::nullopt;
    }
    status = ExitSuccess;
    return file.ReleaseValue();
}
