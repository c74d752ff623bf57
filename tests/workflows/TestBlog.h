#pragma once

#include "model/PhotoTestFiles.h"
#include "support/SandboxDevice.h"

#include "app/StartUp.h"
#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A sandboxed device holding one blog, "trips", that belongs to the user:
// the store the dialogs work on, with its records made through the store's
// own factories, and the scripted user interaction that answers them.
class TestBlog {
public:
    static constexpr std::uint32_t kUserId = 42;
    static constexpr std::uint32_t kOtherUserId = 77;

    TestBlog()
    {
        EXPECT_TRUE(CreatePreferenceKeyChain());
        EXPECT_EQ(CreateFolderWithParents(DeviceFolders::Current().DataFolder()), Error::Success);
        user = std::make_unique<CWinBlogUser>(DeviceFolders::Current().DataFolder());
        user->SetUserId(kUserId);
        store = std::make_unique<CWinBlogStorage>(DeviceFolders::Current().DataFolder(), "trips");
        store->SetUserId(kUserId);
        store->GetBlogInfo().SetOwnerId(kUserId);
        store->GetBlogInfo().SetTitle("Trips");
    }

    HeadlessUserInteraction& Interaction() { return device.Interaction(); }

    // The texts of every message and question shown so far.
    std::vector<std::string> Shown()
    {
        std::vector<std::string> texts;
        for (auto& shown : device.Interaction().ShownMessages())
            texts.push_back(shown.text);
        return texts;
    }

    BlogAlbum& AddCategory(std::uint32_t id, const std::string& name)
    {
        auto category = store->NewCategory();
        category->SetId(id);
        category->SetName(name);
        category->SetModified(false);
        return store->InsertCategory(std::move(category));
    }

    // A published entry of the user unless told otherwise.
    BlogEntry& AddEntry(std::uint32_t serverId, std::uint32_t postDate, std::uint32_t category = 0, std::uint32_t poster = kUserId)
    {
        auto entry = store->NewEntry();
        entry->SetServerId(serverId);
        entry->SetPostDate(postDate);
        entry->SetTakenDate(postDate);
        entry->SetCategoryId(category);
        entry->SetPosterId(poster);
        entry->SetPending(serverId == 0);
        entry->SetTitle("entry " + std::to_string(serverId));
        return store->InsertEntry(std::move(entry));
    }

    // Gives the entry a photo file in the blog's photo folder, at a size
    // code, and a thumbnail made from it.
    std::string AddPhoto(BlogEntry& entry, const std::string& name, std::uint8_t state = BlogEntry::kPhotoStateOnDevice)
    {
        std::string path = WritePhoto(JoinPath(JoinPath(DeviceFolders::Current().PicturesFolder(), "trips"), name), 120, 90);
        EXPECT_EQ(entry.AttachPhoto(path, state), Error::Success);
        return path;
    }

    bool WasSaved() const { return PathExists(store->GetFilePath()); }

    // The store as its file holds it now.
    std::unique_ptr<CWinBlogStorage> Reloaded() const
    {
        auto reloaded = std::make_unique<CWinBlogStorage>();
        reloaded->SetFilePath(store->GetFilePath());
        EXPECT_EQ(reloaded->Load(), Error::Success);
        return reloaded;
    }

    SandboxDevice device;
    std::unique_ptr<CWinBlogUser> user;
    std::unique_ptr<CWinBlogStorage> store;
};
