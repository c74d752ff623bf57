#pragma once

#include "server/storage/SqlDatabase.h"

#include <string>

// The two text files devices fetch with plain GETs: the message file
// ("/Downloads/messages/ppc/Vellumbrix.txt", the newest version and notes
// to users) and the channels file ("…/VellumbrixChannels.txt", the
// recommended blogs). An operator sets them (admin set-message, admin
// set-channels) in the database, so that every process of the service
// serves the same; until then the message file names this program's own
// version and the channels file lists the public blogs. (Data folders of
// the first versions kept them in their "messages" folder, still read when
// the database has none.)
class MessageFiles {
public:
    MessageFiles(SqlDatabase& database, const std::string& dataFolder);

    ErrorOr<std::string> MessageFile() const;
    ErrorOr<std::string> ChannelsFile() const;

    // An operator's message file: UTF-8 text up to 64 KiB holding a version
    // element ("<VERSION>…</VERSION>"); stored as it is.
    static ErrorCode SetMessageFile(SqlTransaction& db, const std::string& contents);
    // An operator's channel list: one blog per line, its URL name first,
    // then any description ("alice  Alice's garden"); at most 28 000 bytes.
    // Stored with CR LF line ends.
    static ErrorCode SetChannels(SqlTransaction& db, const std::string& lines);

    // Why SetMessageFile or SetChannels would refuse the text ("" when
    // they take it).
    static std::string MessageFileProblem(const std::string& contents);
    static std::string ChannelsProblem(const std::string& lines);

private:
    // The operator's text of a file, from the database or an old data
    // folder ("" when there is none).
    ErrorOr<std::string> OperatorText(const char* metaName, const char* legacyFile) const;

    SqlDatabase& m_database;
    std::string m_legacyFolder;
};
