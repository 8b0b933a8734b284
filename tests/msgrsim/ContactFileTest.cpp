#include "tools/msgrsim/ContactFile.h"
#include "tests/msgrsim/TestFiles.h"
#include "tools/msgrsim/NameEscapes.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(ContactFileTest, ReadsContactsWithStatusWordsCodesAndNames)
{
    ParsedContactFile parsed = ParseContactText("# a comment\r\n"
                                                "alice@example.com online Alice Martin\r\n"
                                                "\r\n"
                                                "   # an indented comment\n"
                                                "bob@example.com\tBUSY\t  Bob  (at work)  \n"
                                                "carol@example.com 0x22\n"
                                                "dave@example.com 7 Seven\n"
                                                "erin@example.com -3 Minus\n"
                                                "frank@example.com 0xFFFFFFFF All bits\n"
                                                "zoe@example.com lunch Zo\xEB Dupr\xE9\n"
                                                "g@example.com offline\ng@example.com brb\n"
                                                "g@example.com idle\ng@example.com away\n"
                                                "g@example.com phone");
    ASSERT_TRUE(parsed.m_errors.empty()) << parsed.m_errors[0].m_strReason;
    struct {
        const char* pszSignin;
        long nStatus;
        const wchar_t* pszName;
    } const expected[] = {
        {"alice@example.com", 2, L"Alice Martin"},
        {"bob@example.com", 10, L"Bob  (at work)"},
        {"carol@example.com", 34, L"carol@example.com"},
        {"dave@example.com", 7, L"Seven"},
        {"erin@example.com", -3, L"Minus"},
        {"frank@example.com", -1, L"All bits"},
        {"zoe@example.com", 66, L"Zo\u00EB Dupr\u00E9"},
        {"g@example.com", 1, L"g@example.com"},
        {"g@example.com", 14, L"g@example.com"},
        {"g@example.com", 18, L"g@example.com"},
        {"g@example.com", 34, L"g@example.com"},
        {"g@example.com", 50, L"g@example.com"},
    };
    const std::vector<SimContact>& contacts = parsed.m_list.m_contacts;
    ASSERT_EQ(std::size(expected), contacts.size());
    for (size_t i = 0; i < contacts.size(); ++i) {
        EXPECT_EQ(expected[i].pszSignin, contacts[i].m_strSigninName) << i;
        EXPECT_EQ(expected[i].nStatus, contacts[i].m_nStatus) << i;
        EXPECT_EQ(expected[i].pszName, contacts[i].m_strFriendlyName) << i;
    }
}

TEST(ContactFileTest, MalformedLinesAreReportedWithTheirNumberAndReason)
{
    ParsedContactFile parsed = ParseContactText("good@example.com online\n"
                                                "a@example.com onlin Typo\n"
                                                "b@example.com\n"
                                                "c@example.com 99999999999\n"
                                                "d@example.com 0x123456789\n"
                                                "e@example.com 0x\n"
                                                "!fail everything\n"
                                                "!explode\n"
                                                "!fail item\n"
                                                "!fail item -1\n"
                                                "!null item two\n"
                                                "!nocollection now\n"
                                                "!nocontact\n");
    struct {
        int nLine;
        const char* pszReasonPart;
    } const expected[] = {
        {2, "unknown status 'onlin'"},
        {3, "missing status"},
        {4, "unknown status '99999999999'"},
        {5, "unknown status '0x123456789'"},
        {6, "unknown status '0x'"},
        {7, "unknown directive '!fail everything'"},
        {8, "unknown directive '!explode'"},
        {9, "'!fail item' needs an index"},
        {10, "bad index '-1'"},
        {11, "bad index 'two'"},
        {12, "unexpected 'now'"},
        {13, "'!nocontact' needs what to act on"},
    };
    ASSERT_EQ(std::size(expected), parsed.m_errors.size());
    for (size_t i = 0; i < parsed.m_errors.size(); ++i) {
        EXPECT_EQ(expected[i].nLine, parsed.m_errors[i].m_nLine);
        EXPECT_NE(std::string::npos, parsed.m_errors[i].m_strReason.find(expected[i].pszReasonPart))
            << parsed.m_errors[i].m_strReason;
    }
    EXPECT_EQ("f.txt(2): unknown status 'onlin'\n",
              FormatLineErrors("f.txt", {parsed.m_errors[0]}));
}

TEST(ContactFileTest, FriendlyNamesTakeEscapesAndABadOneMakesTheLineInvalid)
{
    ParsedContactFile parsed =
        ParseContactText("a@example.com online \\x20Zo\xEB\\r\\n\\t\\\\n\\x00\\x7f\\u{263A}"
                         "\\u{1F600}\\u{dc00}\\x20\n"
                         "b@example.com online C:\\\\new\\\\table\n");
    ASSERT_TRUE(parsed.m_errors.empty()) << parsed.m_errors[0].m_strReason;
    ASSERT_EQ(2u, parsed.m_list.m_contacts.size());
    EXPECT_EQ(L" Zo\u00EB\r\n\t\\n\0\x7F\u263A\xD83D\xDE00\xDC00 "s,
              parsed.m_list.m_contacts[0].m_strFriendlyName);
    EXPECT_EQ(L"C:\\new\\table", parsed.m_list.m_contacts[1].m_strFriendlyName);

    const char* const bad[] = {"\\q",    "\\x4",        "\\xZZ",        "\\u263A", "\\u{}",
                               "\\u{12", "\\u{110000}", "\\u{1234567}", "end\\"};
    for (const char* pszName : bad) {
        parsed = ParseContactText(std::string("a@example.com online ") + pszName + "\n");
        ASSERT_EQ(1u, parsed.m_errors.size()) << pszName;
        EXPECT_NE(std::string::npos, parsed.m_errors[0].m_strReason.find("in the friendly name"))
            << parsed.m_errors[0].m_strReason;
        EXPECT_TRUE(parsed.m_list.m_contacts.empty());
    }

    // What the stand-in voice's record writes reads back as it was.
    const std::wstring strEvery = L"\\\r\n\t\0\x1F\x7F~ \u00E9\u263A\xD83D"s;
    std::wstring strRead;
    std::string strError;
    EXPECT_EQ("\\\\\\r\\n\\t\\x00\\x1F\\x7F~ \\u{00E9}\\u{263A}\\u{D83D}", EscapeName(strEvery));
    ASSERT_TRUE(UnescapeName(EscapeName(strEvery), strRead, strError)) << strError;
    EXPECT_EQ(strEvery, strRead);
}

TEST(ContactFileTest, DirectivesSetTheirStepOfTheFailurePlan)
{
    FailurePlan plan = ParseContactText("!fail create\n"
                                        "!fail contacts\n"
                                        "  !null contacts\n"
                                        "!NoCollection\n"
                                        "!fail count\n"
                                        "!fail im\n"
                                        "!null im\n"
                                        "!fail item 1\n"
                                        "!fail item 0x10\n"
                                        "!null item 2\n"
                                        "!nocontact item 3\n"
                                        "!fail signin 4\n"
                                        "!exit item 5\n"
                                        "!hang create\n"
                                        "!hang im\n"
                                        "!hang item 6\n")
                           .m_list.m_failures;
    EXPECT_TRUE(plan.m_bFailCreate);
    EXPECT_TRUE(plan.m_bFailContacts);
    EXPECT_TRUE(plan.m_bNullContacts);
    EXPECT_TRUE(plan.m_bNoCollection);
    EXPECT_TRUE(plan.m_bFailCount);
    EXPECT_TRUE(plan.m_bFailIm);
    EXPECT_TRUE(plan.m_bNullIm);
    EXPECT_EQ((std::set<long>{1, 16}), plan.m_failItem);
    EXPECT_EQ((std::set<long>{2}), plan.m_nullItem);
    EXPECT_EQ((std::set<long>{3}), plan.m_noContactItem);
    EXPECT_EQ((std::set<long>{4}), plan.m_failSignin);
    EXPECT_EQ((std::set<long>{5}), plan.m_exitItem);
    EXPECT_TRUE(plan.m_bHangCreate);
    EXPECT_TRUE(plan.m_bHangIm);
    EXPECT_EQ((std::set<long>{6}), plan.m_hangItem);
}

TEST(ContactFileTest, SourceKeepsTheLastGoodListWhenTheFileGoesBad)
{
    TemporaryFile file("source");
    ContactSource source;
    std::string strErrors;

    file.Write("a@example.com online\n!fail count\n");
    std::shared_ptr<const ContactList> pGood = source.Load(file.Path(), strErrors);
    EXPECT_EQ("", strErrors);
    ASSERT_EQ(1u, pGood->m_contacts.size());

    file.Write("a@example.com online\nb@example.com busy\nc@example.com sleeping\n");
    std::shared_ptr<const ContactList> pAfterBad = source.Load(file.Path(), strErrors);
    EXPECT_EQ(pGood, pAfterBad);
    EXPECT_TRUE(pAfterBad->m_failures.m_bFailCount);
    EXPECT_NE(std::string::npos, strErrors.find(file.Path() + "(3): unknown status 'sleeping'"))
        << strErrors;

    file.Remove();
    EXPECT_EQ(pGood, source.Load(file.Path(), strErrors));
    EXPECT_NE(std::string::npos, strErrors.find(file.Path())) << strErrors;

    file.Write("b@example.com busy\n");
    std::shared_ptr<const ContactList> pNext = source.Load(file.Path(), strErrors);
    ASSERT_EQ(1u, pNext->m_contacts.size());
    EXPECT_EQ("b@example.com", pNext->m_contacts[0].m_strSigninName);
    EXPECT_FALSE(pNext->m_failures.m_bFailCount);
}

} // namespace
