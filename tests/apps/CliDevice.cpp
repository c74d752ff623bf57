#include "CliDevice.h"

#include "JpegTestKit.h"

#include <ctime>
#include <gtest/gtest.h>

CliDevice::CliDevice(const std::string& serviceHost)
{
    auto host = Run({ "prefs", "Service Host", serviceHost });
    EXPECT_EQ(host.status, 0) << host.err;
    auto check = Run({ "prefs", "Last message check", std::to_string(std::time(nullptr)) });
    EXPECT_EQ(check.status, 0) << check.err;
}

CliResult CliDevice::Run(std::vector<std::string> arguments, const CliControl& control) const
{
    arguments.insert(arguments.begin(), { "--home", m_home.Path() });
    return RunCli(arguments, {}, control);
}

nlohmann::ordered_json CliDevice::Json(const std::vector<std::string>& arguments) const
{
    auto result = Run(arguments);
    EXPECT_EQ(result.status, 0) << ::testing::PrintToString(arguments) << "\n"
                                << result.err;
    if (result.status != 0 || result.out.empty())
        return {};
    return nlohmann::ordered_json::parse(result.out);
}

std::string CliDevice::WritePhoto(const std::string& name, unsigned seed, std::size_t bytes) const
{
    // Noise compresses badly: a picture of the wanted size in bytes.
    int side = 64;
    std::vector<unsigned char> jpeg;
    do {
        jpeg = EncodeJpeg(MakePhotoLikePicture(side, side * 3 / 4, seed), JpegOptions {});
        side *= 2;
    } while (jpeg.size() < bytes);
    std::string path = m_home.File(name);
    WriteTextFile(path, std::string(jpeg.begin(), jpeg.end()));
    return path;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::size_t CountOf(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}
