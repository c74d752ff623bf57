#pragma once

#include <cstdint>
#include <string>

// Photos as cameras write them: EXIF with the camera, the time taken and a
// GPS directory holding a latitude and a longitude. The GPS values carry
// marker numbers whose bytes spell "LAT1", "LAT2", "LON1" and "LON2", so a
// test can look for any trace of them in a file.
std::string ExifWithLocation(bool bigEndian);
std::string CameraJpeg(int width, int height, bool bigEndian);

// The file with one more segment (marker 0xFFxx and payload) after SOI.
std::string WithSegment(const std::string& jpeg, std::uint8_t marker, const std::string& payload);

// The payload of the first APP1 segment that begins with prefix ("" when
// there is none).
std::string App1Payload(const std::string& jpeg, const std::string& prefix);
// Whether any of the location markers is in the bytes (either byte order).
bool HasLocationMarkers(const std::string& bytes);
// Whether a directory of the EXIF block points to a GPS directory.
bool HasGpsPointer(const std::string& jpeg);
// The compressed picture: the bytes from the first scan on.
std::string ScanData(const std::string& jpeg);
