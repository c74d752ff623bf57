#include "platform/VCard.h"

#include <gtest/gtest.h>

namespace {

using Emails = std::vector<std::string>;

VCardContact Only(std::string_view text)
{
    auto contacts = ParseVCards(text);
    EXPECT_EQ(contacts.size(), 1u);
    return contacts.empty() ? VCardContact {} : contacts[0];
}

}

TEST(VCard, ReadsAVersion3CardWithItsPreferredAddressFirst)
{
    VCardContact ann = Only("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann;;;\r\nFN:Ann Smith\r\n"
                            "EMAIL;TYPE=INTERNET,HOME:ann@home.example\r\n"
                            "EMAIL;TYPE=INTERNET,WORK,PREF:ann@work.example\r\nEND:VCARD\r\n");
    EXPECT_EQ(ann.name, "Ann Smith");
    EXPECT_EQ(ann.emails, (Emails { "ann@work.example", "ann@home.example" }));
}

TEST(VCard, ReadsVersion21QuotedPrintableAndLatin1)
{
    VCardContact joerg = Only("BEGIN:VCARD\nVERSION:2.1\n"
                              "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg\n"
                              "EMAIL;INTERNET:j.mueller@example.de\nEMAIL;PREF;INTERNET:joerg@example.de\nEND:VCARD\n");
    EXPECT_EQ(joerg.name, "Jörg Müller") << "given name, then family name";
    EXPECT_EQ(joerg.emails, (Emails { "joerg@example.de", "j.mueller@example.de" }));

    // A soft line break ("=" at the end) joins the next line as it is.
    VCardContact zoe = Only("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;QUOTED-PRINTABLE;CHARSET=UTF-8:Zo=C3=AB =\r\nO'Brien\r\n"
                            "EMAIL:zoe@example.ie\r\nEND:VCARD\r\n");
    EXPECT_EQ(zoe.name, "Zoë O'Brien");
}

TEST(VCard, JoinsFoldedLinesAndDropsGroupsAndMailtoPrefixes)
{
    VCardContact bob = Only("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob\r\n  Jones\r\n"
                            "EMAIL;PREF=2:bob@home.example\r\n"
                            "EMAIL;TYPE=work;PREF=1:bob@work.exa\r\n mple\r\n"
                            "item1.EMAIL:mailto:bob@other.example\r\nEND:VCARD\r\n");
    EXPECT_EQ(bob.name, "Bob Jones");
    EXPECT_EQ(bob.emails, (Emails { "bob@work.example", "bob@home.example", "bob@other.example" }));
}

TEST(VCard, ReadsEveryCardWhateverEndsItsLines)
{
    auto contacts = ParseVCards("BEGIN:VCARD\rFN:Old Mac\rEMAIL:mac@example.com\rEND:VCARD\r"
                                "BEGIN:VCARD\nORG:Acme\\, Inc.;Sales\nEMAIL:sales@acme.example\nEND:VCARD\n"
                                "BEGIN:VCARD\r\nFN:No Mail\r\nTEL:+1 555 0100\r\nEND:VCARD\r\n");
    ASSERT_EQ(contacts.size(), 3u);
    EXPECT_EQ(contacts[0].name, "Old Mac");
    EXPECT_EQ(contacts[1].name, "Acme, Inc.") << "the organisation when nobody is named";
    EXPECT_EQ(contacts[1].emails, (Emails { "sales@acme.example" }));
    EXPECT_TRUE(contacts[2].emails.empty());
}

TEST(VCard, ToleratesWhatOtherProgramsWrite)
{
    // Quoted parameters with colons, blanks around an address, an agent's
    // card inside a card, addresses that would split a recipients field,
    // and a card that the file ends before its END line.
    auto contacts = ParseVCards("BEGIN:VCARD\nFN;LANGUAGE=\"en:GB\":Quoted\nEMAIL;TYPE=\"home,pref\":  spaced@example.com  \n"
                                "EMAIL:bad,comma@example.com\nEMAIL:\nEMAIL;ENCODING=QUOTED-PRINTABLE:a=0Ab@example.com\n"
                                "AGENT:\nBEGIN:VCARD\nFN:Agent\nEMAIL:agent@example.com\nEND:VCARD\nEND:VCARD\n"
                                "BEGIN:VCARD\nFN:Cut Short\nEMAIL:cut@example.com\n");
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[0].name, "Quoted");
    EXPECT_EQ(contacts[0].emails, (Emails { "spaced@example.com" }));
    EXPECT_EQ(contacts[1].name, "Cut Short");
    EXPECT_EQ(contacts[1].emails, (Emails { "cut@example.com" }));
}

TEST(VCard, MakesBrokenBytesValidText)
{
    VCardContact contact = Only("BEGIN:VCARD\nFN:\xff broken \xc3\nEMAIL:ok@example.com\nEND:VCARD\n");
    EXPECT_EQ(contact.name, "\xef\xbf\xbd broken \xef\xbf\xbd");
    EXPECT_TRUE(ParseVCards("").empty());
    EXPECT_TRUE(ParseVCards("no card at all\n:::\n;;;").empty());
}
