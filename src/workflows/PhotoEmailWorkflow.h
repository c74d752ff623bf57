#pragma once

#include "workflows/DialogOutcome.h"
#include "workflows/SendSubject.h"

#include <string>
#include <string_view>

class CWinBlogStorage;
class CWinBlogUser;
class NetworkOperations;

// "Photo E-Mail" (CPhotoEmailDlg): has the service send an e-mail with a
// link to the photo or to the blog, to the recipients as typed, with a
// message. "To:" adds an address from the address book.
class PhotoEmailWorkflow {
public:
    enum Field : int {
        kRecipientsField,
        kMessageField,
    };
    static constexpr std::string_view kTitle = "Photo E-Mail";
    // The dialog keeps its layout when made this low or lower (base pixels).
    static constexpr int kLowestLaidOutHeight = 181;
    static constexpr unsigned kPhotoLinkText = 221;
    static constexpr unsigned kNoRecipientsMessage = 222;

    // The mail goes through `network` (the command is offered only with it).
    PhotoEmailWorkflow(CWinBlogUser& user, CWinBlogStorage& store, SendSubject subject, NetworkOperations* network)
        : m_user(user)
        , m_store(store)
        , m_subject(subject)
        , m_network(network)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    const SendSubject& GetSubject() const { return m_subject; }

    // What the line "Sending:" says: "Blog Link" or "Photo Link".
    std::string SendingText() const;

    // The recipients after choosing an address with "To:": appended, after
    // ", " when there were recipients already.
    static std::u16string WithRecipient(std::u16string_view recipients, std::u16string_view address);

    // "Send": without recipients string 222 and the dialog stays. Otherwise
    // the mail is sent (under the progress window, once connected) and the
    // dialog closes with OK, whether it went or not: failures are shown
    // where they arise.
    DialogOutcome Send(std::u16string_view recipients, std::u16string_view message);

private:
    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    SendSubject m_subject;
    NetworkOperations* m_network;
};
