#pragma once

#include <cstdint>
#include <string>

// Every operation of the store, imaging, transport and service layers reports
// its outcome as one of these codes: 0 is success, anything else a failure.
// All layers share one number space so that a code can travel unchanged from
// the layer that detects it up to the command that started the work.
//
// The code is a type of its own only so that the compiler refuses to let a
// result be dropped: every function returning one is [[nodiscard]] by way
// of its return type. It holds the same 32-bit value and converts to and
// from it freely, so codes compare, switch and print as plain numbers. A
// caller that means to ignore a result casts it to void and says why.
class [[nodiscard]] ErrorCode {
public:
    constexpr ErrorCode() = default;
    constexpr ErrorCode(std::uint32_t value)
        : m_value(value)
    {
    }
    constexpr operator std::uint32_t() const { return m_value; }

private:
    std::uint32_t m_value { 0 };
};

namespace Error {

constexpr ErrorCode Success = 0;

// System codes (the numbering of the original handheld platform, so that
// stored and displayed codes mean the same on every build).
constexpr ErrorCode FileNotFound = 2;
constexpr ErrorCode PathNotFound = 3;
constexpr ErrorCode AccessDenied = 5;
constexpr ErrorCode NotEnoughMemory = 8;
constexpr ErrorCode InvalidData = 13;
constexpr ErrorCode OutOfMemory = 14;
constexpr ErrorCode WriteProtected = 19;
constexpr ErrorCode WriteFault = 29;
constexpr ErrorCode ReadFault = 30;
constexpr ErrorCode GeneralFailure = 31;
constexpr ErrorCode SharingViolation = 32;
constexpr ErrorCode HandleEof = 38;
constexpr ErrorCode HandleDiskFull = 39;
constexpr ErrorCode FileExists = 80;
constexpr ErrorCode InvalidParameter = 87;
constexpr ErrorCode DiskFull = 112;
constexpr ErrorCode InsufficientBuffer = 122;
constexpr ErrorCode InvalidName = 123;
constexpr ErrorCode DirectoryNotEmpty = 145;
constexpr ErrorCode AlreadyExists = 183;
constexpr ErrorCode FilenameTooLong = 206;
constexpr ErrorCode NotARegularFile = 222; // a FIFO, device or socket where a file is expected
constexpr ErrorCode FileTooLarge = 223;
constexpr ErrorCode IsADirectory = 336;
constexpr ErrorCode Cancelled = 1223;

// Store and imaging failures.
constexpr ErrorCode StoreOutOfMemory = 258;
constexpr ErrorCode InternalStorageFull = 513;
constexpr ErrorCode BitmapAllocationFailed = 1283;
constexpr ErrorCode InternalStorageFullAlt = 5633;
constexpr ErrorCode StorageCardFull = 10767;

// Network failures of the transport.
constexpr ErrorCode NetworkIpHintNeeded = 4612;
constexpr ErrorCode NetworkNoMoreSockets = 4613;
constexpr ErrorCode NetworkNotConnected = 4619;
constexpr ErrorCode NetworkInternal = 4625;
constexpr ErrorCode NetworkTimeout = 4626;
constexpr ErrorCode NetworkUserCancelled = 4639;
constexpr ErrorCode NetworkDnsFailure = 4666;
constexpr ErrorCode NetworkTooManyConnections = 4687;
// HTTPS: the service's certificate did not verify against the trusted ones
// (wrong name, unknown signer, expired), and the file of extra trusted
// certificates ("Service CA File") could not be read or held none.
constexpr ErrorCode NetworkCertificateNotTrusted = 4690;
constexpr ErrorCode NetworkTrustFileUnreadable = 4691;

constexpr ErrorCode LoginRefused = 7000;
constexpr ErrorCode ServerErrorBase = 8000; // 8000 + position in the server error list
constexpr ErrorCode ServerErrorLast = 8025;

constexpr ErrorCode InvalidJpegPhoto = 10200;
constexpr ErrorCode AlreadyReported = 10201; // the user has been told; show nothing more
constexpr ErrorCode PendingPhotoMissing = 11000;

constexpr ErrorCode NoResponse = 65535;

// Results of creating an account or a blog: negative codes, carried
// sign-extended like the decoder's.
constexpr ErrorCode CreationRefused = static_cast<ErrorCode>(-10300); // the server's text has been shown
constexpr ErrorCode EmailAlreadyUsed = static_cast<ErrorCode>(-10301);
constexpr ErrorCode BlogUrlAlreadyUsed = static_cast<ErrorCode>(-10302); // the alternates are filled in

// The JPEG decoder's results: negative 16-bit codes carried sign-extended in
// the unsigned code.
constexpr ErrorCode JpegHuffmanTooManyCodes = static_cast<ErrorCode>(-200);
constexpr ErrorCode JpegHuffmanBadTableId = static_cast<ErrorCode>(-201);
constexpr ErrorCode JpegHuffmanSegmentShort = static_cast<ErrorCode>(-202);
constexpr ErrorCode JpegQuantSegmentShort = static_cast<ErrorCode>(-203);
constexpr ErrorCode JpegQuantBadTableId = static_cast<ErrorCode>(-204);
constexpr ErrorCode JpegBadPrecision = static_cast<ErrorCode>(-205);
constexpr ErrorCode JpegTooManyComponents = static_cast<ErrorCode>(-208);
constexpr ErrorCode JpegBadFrameLength = static_cast<ErrorCode>(-209);
constexpr ErrorCode JpegBadSegmentLength = static_cast<ErrorCode>(-210);
constexpr ErrorCode JpegBadRestartLength = static_cast<ErrorCode>(-211);
constexpr ErrorCode JpegBadScanHeader = static_cast<ErrorCode>(-212);
constexpr ErrorCode JpegUnknownScanComponent = static_cast<ErrorCode>(-213);
constexpr ErrorCode JpegArithmetic = static_cast<ErrorCode>(-215);
constexpr ErrorCode JpegUnexpectedMarker = static_cast<ErrorCode>(-216);
constexpr ErrorCode JpegInvalid = static_cast<ErrorCode>(-217); // no SOI
constexpr ErrorCode JpegUnsupportedFrame = static_cast<ErrorCode>(-218);
constexpr ErrorCode JpegQuantTableShort = static_cast<ErrorCode>(-219);
constexpr ErrorCode JpegBadComponentCount = static_cast<ErrorCode>(-225);
constexpr ErrorCode JpegUnsupportedSampling = static_cast<ErrorCode>(-226);
constexpr ErrorCode JpegProgressive = static_cast<ErrorCode>(-234);

}

// Maps a C library errno value to the code the rest of the program expects.
ErrorCode ErrorCodeFromErrno(int errnoValue);

// What a system code means, for messages on a terminal: e.g. "the disk is
// full (system error 112)".
std::string SystemErrorText(ErrorCode code);
