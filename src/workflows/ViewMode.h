#pragma once

// What the main view shows: the list of blogs, one blog's entries, or one
// entry's page over them.
enum class ViewMode {
    Home,
    Blog,
    Entry,
};
