#pragma once

#include "server/storage/SqlDatabase.h"

#include <string>

// The two text files devices fetch with plain GETs: the message file
// ("/Downloads/messages/ppc/Vellumbrix.txt", the newest version and notes
// to users) and the channels file ("…/VellumbrixChannels.txt", the
// recommended blogs). Both live in the data folder's "messages" folder once
// an operator sets them (admin set-message, admin set-channels); until then
// the message file names this program's own version and the channels file
// lists the public blogs.
class MessageFiles {
public:
    explicit MessageFiles(const std::string& dataFolder);

    ErrorOr<std::string> MessageFile() const;
    ErrorOr<std::string> ChannelsFile(SqlDatabase& database) const;

    // An operator's message file: UTF-8 text up to 64 KiB holding a version
    // element ("<VERSION>…</VERSION>"); stored as it is.
    ErrorCode SetMessageFile(const std::string& contents) const;
    // An operator's channel list: one blog per line, its URL name first,
    // then any description ("alice  Alice's garden"); at most 28 000 bytes.
    // Stored with CR LF line ends.
    ErrorCode SetChannels(const std::string& lines) const;

    // Why SetMessageFile or SetChannels would refuse the text ("" when
    // they take it).
    static std::string MessageFileProblem(const std::string& contents);
    static std::string ChannelsProblem(const std::string& lines);

private:
    std::string m_folder;
};
