#include "app/ErrorTable.h"

#include "app/StringFormat.h"
#include "platform/UserInteraction.h"

#include <array>
#include <utility>

namespace {

struct ErrorRow {
    ErrorCode code;
    StringId messageId;
};

// Looked up from the first row; the order is part of the behaviour.
constexpr std::array<ErrorRow, 47> kErrorRows { {
    { Error::JpegProgressive, 8000 },
    { Error::JpegInvalid, 8001 },
    { 258, 8002 },
    { 513, 8015 },
    { 1283, 8003 },
    { 4613, 8004 },
    { 4619, 8005 },
    { 4625, 8006 },
    { 4626, 8007 },
    { 4666, 8008 },
    { 4687, 8009 },
    { Error::NetworkCertificateNotTrusted, 8041 },
    { Error::NetworkTrustFileUnreadable, 8042 },
    { 5633, 8010 },
    { 10767, 8011 },
    { 4612, 8012 },
    { 8000, 8029 },
    { 8001, 8014 },
    { 8002, 8028 },
    { 8003, 8034 },
    { 8004, 8013 },
    { 8005, 8035 },
    { 8006, 8036 },
    { 8007, 0 },
    { 8008, 8016 },
    { 8009, 0 },
    { 8010, 8021 },
    { 8011, 8022 },
    { 8012, 8023 },
    { 8013, 8024 },
    { 8014, 8025 },
    { 8015, 8026 },
    { 8016, 8027 },
    { 8017, 8037 },
    { 8018, 8038 },
    { 8019, 8030 },
    { 8020, 8031 },
    { 8021, 8032 },
    { 8022, 8039 },
    { 8023, 8040 },
    { 8024, 8033 },
    { 7000, 8017 },
    { 11000, 8018 },
    { 10200, 8019 },
    { 4639, 8020 },
    { 14, 7000 },
    { 8, 7000 },
} };

constexpr StringId kUnknownErrorMessage = 7999;

}

StringId MessageIdForError(ErrorCode code)
{
    for (auto& row : kErrorRows) {
        if (row.code == code)
            return row.messageId;
    }
    return kUnknownErrorMessage;
}

std::string ErrorText(ErrorCode code)
{
    StringId id = MessageIdForError(code);
    if (id == 0)
        return {};
    return FormatText(LoadString(id), { static_cast<std::uint32_t>(code) });
}

void ShowError(ErrorCode code)
{
    UserInteraction::Current().ShowMessage(ErrorText(code), MessageIcon::Warning);
}
