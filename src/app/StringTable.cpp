#include "app/StringTable.h"

#include <algorithm>
#include <array>

namespace {

// Sorted by id.
constexpr StringTableEntry kStrings[] = {
    { 104, "Windows socket initialization failed" },
    { 133, "%d Photos" },
    { 134, "%d Photo" },
    { 137, "320x240" },
    { 138, "480x360" },
    { 139, "640x480" },
    { 140, "Full size photos" },
    { 141, "Nothing" },
    { 142, "Thumbnails" },
    { 143, "176x132" },
    { 144, "240x180" },
    { 145, "Synchronizing..." },
    { 146, "Storing Albums..." },
    { 147, "Deleting Albums..." },
    { 148, "Storing Entry..." },
    { 149, "Deleting Entry..." },
    { 150, "Getting Entry..." },
    { 151, "Creating Account..." },
    { 152, "Storing Vellumbrix Data..." },
    { 153, "Checking Version..." },
    { 154, "Processing..." },
    { 159, "Select Filter" },
    { 160, "Select Category" },
    { 162, "Please enter a valid email address and password. The password must be at least 1 character in length and cannot contain spaces." },
    { 163, "Congratulations! Your VellumbrixWeb website has been created. You can now start sharing your photos online!" },
    { 165, "The Blog URL \"%s\"  is already in use.  Please try another one.  The following Blog URLs are available:\n%s\n%s" },
    { 166, "Unfiled" },
    { 167, "Subscribe" },
    { 168, "This device doesn't have a supported camera." },
    { 169, "You do not have permission to edit this blog. If you expect to have write access, check that your login information in Account Info is correct." },
    { 170, "You already have this image size." },
    { 171, "Delete the photo for this blog entry? The thumbnail will remain." },
    { 172, "http://%s/download" },
    { 173, "You have the latest version of Vellumbrix." },
    { 174, "You're already subscribed to this blog." },
    { 175, "\"%s\" already has a VellumbrixWeb account.  Would you like to subscribe to it?" },
    { 176, "Do you want to subscribe to the blog '%s'?" },
    { 177, "Pro Account" },
    { 178, "Unlimited Photos" },
    { 179, "You need to enter a password." },
    { 180, "You must enter your first and last name." },
    { 181, "You have one or more new subscriptions. Do you want to download the entries now?" },
    { 182, "Do you want to unsubscribe from the '%s' blog?" },
    { 183, "Do you want to delete all the local photos for this blog?" },
    { 184, "By %s" },
    { 185, "320x240" },
    { 186, "480x360" },
    { 187, "640x480" },
    { 188, "Full size" },
    { 190, "Next" },
    { 199, "You must select an item in the list before using this command." },
    { 200, "Deleting a category will cause all entries in that category to be moved to Unfiled. Do you wish to continue?" },
    { 201, "A category with that name already exists. Please use a different name." },
    { 203, "Edit Categories..." },
    { 204, "Published By Me" },
    { 205, "A Blog URL can only contain alphanumeric characters or '_' and '-'." },
    { 206, "%s's PhotoBlog" },
    { 207, "Pictures from my camera phone" },
    { 209, "You have decided to download thumbnails only. Would you like to delete the photos for existing blog entries?" },
    { 210, "Some entries were not categorized because you didn't have permission to edit them." },
    { 211, "Internal" },
    { 212, "Your device doesn't currently have any external storage cards. Insert a storage card and try again." },
    { 213, "You've specified the same location for the source and destination." },
    { 214, "You don't currently have any remote blogs set up. To set up a remote blog, go to your account settings on the vellumbrixweb web site and choose \"Remote Blogs.\"" },
    { 215, "You need to sync the new entry before you can send out a Photo E-Mail or Blog Post for it." },
    { 217, "This feature requires Windows Mobile 5 or better." },
    { 218, "The destination volume is write-protected." },
    { 219, "One or more files couldn't be copied due to lack of storage space." },
    { 220, "Moving Photos..." },
    { 221, "Photo Link" },
    { 222, "You need to enter at least one valid email address." },
    { 223, "%s (%s):" },
    { 224, "Are you sure you want to delete the selected comment?" },
    { 225, "You don't have permission to delete the selected comment." },
    { 226, "-NEW-" },
    { 227, "You need to sync this entry before you can post a comment to it." },
    { 228, "Searching..." },
    { 230, "You have incorrectly installed the PocketPC version of Vellumbrix. Please uninstall this application and reinstall the Smartphone version for use on this device." },
    { 304, "Delete blog entry?" },
    { 305, "Delete entry on web" },
    { 306, "The entry will remain on the web." },
    { 307, "Delete photo on device" },
    { 308, "Add Photos..." },
    { 400, "Sample Blog" },
    { 401, "sample" },
    { 500, "You do not have permission to edit this blog." },
    { 501, "You cannot edit this blog entry. You may only edit entries that you posted. This entry was posted by another user." },
    { 600, "Getting Channels..." },
    { 601, "Storing Comment..." },
    { 602, "Deleting Comment..." },
    { 603, "Creating Blog..." },
    { 604, "Sending Email..." },
    { 605, "Sending Blog Post..." },
    { 700, "Vellumbrix was unable to establish a connection (0x%x)." },
    { 6002, "There was an error saving the local blog database." },
    { 6003, "Please enter a Blog URL." },
    { 7000, "There's insufficent memory to complete the request." },
    { 7998, "Sync Cancelled." },
    { 7999, "An unknown error occurred (%d)." },
    { 8000, "Progressive JPEGs not supported" },
    { 8001, "Invalid JPEG" },
    { 8002, "Out of memory" },
    { 8003, "Could not allocate bitmap" },
    { 8004, "NetLib: no more sockets" },
    { 8005, "NetLib: socket not connected" },
    { 8006, "NetLib: internal error" },
    { 8007, "Connection timed out.  Please check your signal strength and sync again" },
    { 8008, "DNS not responding.  Please try again" },
    { 8009, "NetLib: too many TCP connections" },
    { 8010, "Your internal storage space is full" },
    { 8011, "Your external storage card is full" },
    { 8012, "Clie bug: ip hint needed" },
    { 8013, "Timestamp updated.  Please sync again" },
    { 8014, "Your email or password is incorrect.  Please select Account Info and verify your settings." },
    { 8015, "Your internal storage space is full" },
    { 8016, "Your Free account has reached its storage limit. To upgrade to a Pro account with unlimited storage, please visit VellumbrixWeb" },
    { 8017, "Your login or password is incorrect" },
    { 8018, "Photos for one or more Pending items could not be found and were not" },
    { 8019, "Invalid JPEG" },
    { 8020, "Sync Canceled" },
    { 8021, "This Blog URL does not exist" },
    { 8022, "You do not have permission to edit photos in this blog" },
    { 8023, "You do not have permission to edit this blog's categories" },
    { 8024, "You do not have permission to add photos to this blog" },
    { 8025, "You do not have permission to add categories to this blog" },
    { 8026, "You do not have permission to delete categories from this blog" },
    { 8027, "You do not have permission to delete entries from this blog" },
    { 8028, "Your email or password is incorrect.  Please select Account Info from the Options menu in the Home view and verify your settings" },
    { 8029, "You are running an outdated version of Vellumbrix.  Please select \"Check For Updates\" from the Options menu to get information on the latest version" },
    { 8030, "You do not have permission to edit comments in this blog" },
    { 8031, "You do not have permission to add comments to this blog" },
    { 8032, "You do not have permission to delete comments from this blog" },
    { 8033, "Your photos were not uploaded because this group blog has reached its photo limit" },
    { 8034, "Email already used" },
    { 8035, "Category already used" },
    { 8036, "This category is deleted or doesn't exist" },
    { 8037, "A category is deleted or doesn't exist" },
    { 8038, "This comment is deleted or doesn't exist" },
    { 8039, "The Blog is password protected" },
    { 8040, "Enter valid viewer password" },
    { 8041, "The service's certificate is not trusted, so the connection was refused.  Check the Service Host, or set the Service CA File preference to the certificate of the authority that signed it" },
    { 8042, "The Service CA File could not be read or holds no certificate.  Check the Service CA File preference" },
    { 8500, "A connection to the Internet could not be made." },
    { 9000, "less than a minute ago" },
    { 9001, "1 minute ago" },
    { 9002, "%d minutes ago" },
    { 9003, "1 hour ago" },
    { 9004, "%d hours ago" },
    { 9005, "1 day ago" },
    { 9006, "%d days ago" },
    { 9007, "1 month ago" },
    { 9008, "%d months ago" },
};

// Lookups bisect the table, so an entry out of order would silently vanish.
constexpr bool IsSortedById()
{
    for (size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    }
    return true;
}
static_assert(IsSortedById(), "kStrings must be sorted by id without duplicates");

}

std::span<const StringTableEntry> AllStrings()
{
    return kStrings;
}

static const StringTableEntry* FindString(StringId id)
{
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
        [](const StringTableEntry& entry, StringId wanted) { return entry.id < wanted; });
    if (it == std::end(kStrings) || it->id != id)
        return nullptr;
    return it;
}

std::string_view LoadString(StringId id)
{
    const StringTableEntry* entry = FindString(id);
    return entry ? entry->text : std::string_view();
}

bool HasString(StringId id)
{
    return FindString(id) != nullptr;
}
