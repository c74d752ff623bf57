#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The name under which a downloaded photo is kept in the blog's photo
// folder: the last "/"-separated part of the entry's full-size address, as
// the service names it, made safe, since the name comes from the network
// and must never lead out of the folder or onto a file of another kind:
// "\", control characters and DEL become "_"; a name that is empty or only
// dots becomes "ID.jpg" (the entry's id); a name that could be taken for a
// save's temporary file ("NAME.saving-XXXXXX", which a later save would
// clear away) loses the dot; a name longer than a file system takes is cut,
// never inside a UTF-8 character.
std::string PhotoFileNameFor(std::string_view fullSizeAddress, std::uint32_t entryId);

// Another name for a photo whose own name is taken: "NAME-N.EXT" with N
// from 2 up.
std::string NumberedPhotoFileName(std::string_view name, unsigned number);
