#pragma once

#include "model/BlogData.h"

// The descriptor of one blog, held by value in that blog's store. Its own
// serialise operation writes nothing: the store writes these fields as part
// of its file (SerializeFields).
class CBlogInfo final : public BlogData {
public:
    // The defaults; the download size depends on the screen (ScreenSize).
    CBlogInfo();
    CBlogInfo(const CBlogInfo&) = default;
    CBlogInfo& operator=(const CBlogInfo&) = default;

    // The effective entry limit when entries are not limited.
    static constexpr std::uint32_t kUnlimitedEntries = 32768;

    static const RuntimeClass& Class();
    const RuntimeClass& GetRuntimeClass() const override { return Class(); }
    void Serialize(Archive&) override { }
    // The fields in the order of the store file.
    void SerializeFields(Archive& archive);

    std::uint32_t GetOwnerId() const override { return m_ownerId; }
    std::uint16_t GetGroupBlog() const override { return m_groupBlog; }
    std::uint16_t GetHidden() const override { return m_hidden; }
    bool CanAddPhotos() const override { return !m_readOnly; }
    bool AreCommentsAllowed() const override { return m_commentsAllowed; }
    const std::string& GetTitle() const override { return m_title; }
    const std::string& GetSubtitle() const override { return m_subtitle; }
    const std::string& GetViewPassword() const override { return m_viewPassword; }
    bool IsSettingsModified() const override { return m_settingsModified; }
    void SetOwnerId(std::uint32_t id) override { m_ownerId = id; }
    void SetGroupBlog(std::uint16_t groupBlog) override { m_groupBlog = groupBlog; }
    void SetHidden(std::uint16_t hidden) override { m_hidden = hidden; }
    void SetCanAddPhotos(bool canAdd) override { m_readOnly = !canAdd; }
    void SetCommentsAllowed(bool allowed) override { m_commentsAllowed = allowed; }
    void SetTitle(std::string_view title) override { m_title = title; }
    void SetSubtitle(std::string_view subtitle) override { m_subtitle = subtitle; }
    void SetSettingsModified(bool modified) override { m_settingsModified = modified; }
    // The prompt names the blog by its URL name.
    bool AskForViewPassword() override;

    // The blog's key everywhere: file name, preferences, requests.
    const std::string& GetUrlName() const { return m_urlName; }
    void SetUrlName(std::string_view name) { m_urlName = name; }
    const std::string& GetSecondString() const { return m_secondString; }
    void SetSecondString(std::string_view text) { m_secondString = text; }
    const std::string& GetThirdString() const { return m_thirdString; }
    void SetThirdString(std::string_view text) { m_thirdString = text; }
    void SetViewPassword(std::string_view password) { m_viewPassword = password; }
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    std::uint16_t GetUploadSize() const { return m_uploadSize; }
    void SetUploadSize(std::uint16_t code) { m_uploadSize = code; }
    std::uint16_t GetDownloadSize() const { return m_downloadSize; }
    void SetDownloadSize(std::uint16_t code) { m_downloadSize = code; }
    bool GetLimitEntries() const { return m_limitEntries; }
    void SetLimitEntries(bool limit) { m_limitEntries = limit; }
    std::uint16_t GetEntryLimit() const { return m_entryLimit; }
    void SetEntryLimit(std::uint16_t limit) { m_entryLimit = limit; }
    bool GetDeleteAfterUpload() const { return m_deleteAfterUpload; }
    void SetDeleteAfterUpload(bool remove) { m_deleteAfterUpload = remove; }
    bool GetLastFlag() const { return m_lastFlag; }
    void SetLastFlag(bool flag) { m_lastFlag = flag; }

    // The entry limit when entries are limited, else 32768.
    std::uint32_t GetEffectiveEntryLimit() const;
    // The title, or the URL name when the title is empty.
    const std::string& GetDisplayName() const;

    std::u16string GetUrlNameText() const;
    std::u16string GetTitleText() const;
    void SetTitleText(std::u16string_view title);
    std::u16string GetSubtitleText() const;
    void SetSubtitleText(std::u16string_view subtitle);

private:
    std::uint32_t m_ownerId { 0 };
    std::uint16_t m_groupBlog { 0 };
    std::string m_urlName;
    std::string m_secondString;
    std::string m_thirdString;
    std::string m_title;
    std::string m_subtitle;
    std::string m_viewPassword;
    std::uint16_t m_hidden { 0 };
    bool m_readOnly { false };
    bool m_commentsAllowed { false };
    std::uint16_t m_uploadSize { 3 };
    std::uint16_t m_downloadSize { 3 };
    bool m_limitEntries { true };
    std::uint16_t m_entryLimit { 25 };
    bool m_deleteAfterUpload { false };
    bool m_lastFlag { false };
    bool m_settingsModified { false };
};
