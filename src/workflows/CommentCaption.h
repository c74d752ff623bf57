#pragma once

#include "platform/Clock.h"

#include <string>

class BlogComment;

// The text that the comments list shows for a comment (UTF-8). With the
// header: "NAME (3 hours ago):" and a line break before the comment's
// text, the name "-NEW-" for a comment written here that the service has
// not yet returned. Without it (the handheld's older list), the text alone
// on one line, its line breaks removed.
std::string CommentCaption(const BlogComment& comment, bool withHeader, ProgramTime now);
