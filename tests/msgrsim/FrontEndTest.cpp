#include "tools/msgrsim/FrontEnd.h"
#include "tests/msgrsim/TestFiles.h"
#include "tools/msgrsim/ContactFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Runs front-end commands on a contact file of its own.
class FrontEndTest : public testing::Test {
protected:
    FrontEndTest() : m_file(testing::UnitTest::GetInstance()->current_test_info()->name()) {}

    int Run(const std::vector<std::string>& args)
    {
        m_out.str("");
        m_err.str("");
        return RunFrontEnd(args, m_file.Path(), m_out, m_err);
    }

    TemporaryFile m_file;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(FrontEndTest, SetAddsAtTheEndAndUpdatesInPlace)
{
    m_file.Write("# my contacts\n\nalice@example.com online Alice\n");
    EXPECT_EQ(0, Run({"set", "bob@example.com", "busy", "Bob", "the", "Builder"}));
    EXPECT_EQ(0, Run({"set", "carol@example.com", "0x22"}));
    EXPECT_EQ(0, Run({"set", "alice@example.com", "away"}));
    EXPECT_EQ(0, Run({"set", "bob@example.com", "lunch", "Robert"}));
    EXPECT_EQ(0, Run({"set", "carol@example.com", "brb"}));
    EXPECT_EQ("# my contacts\r\n"
              "\r\n"
              "alice@example.com away Alice\r\n"
              "bob@example.com lunch Robert\r\n"
              "carol@example.com brb\r\n",
              m_file.Read());
}

TEST_F(FrontEndTest, RemoveAndClearTakeOnlyContacts)
{
    m_file.Write("a@example.com online\n# keep me\n!fail count\nb@example.com busy\n"
                 "c@example.com away\n");
    EXPECT_EQ(0, Run({"remove", "b@example.com"}));
    EXPECT_EQ("a@example.com online\r\n# keep me\r\n!fail count\r\nc@example.com away\r\n",
              m_file.Read());
    EXPECT_EQ(0, Run({"clear"}));
    EXPECT_EQ("# keep me\r\n!fail count\r\n", m_file.Read());
}

TEST_F(FrontEndTest, FailAddsEachDirectiveOnceAndHealRemovesThemAll)
{
    m_file.Write("a@example.com online\n");
    EXPECT_EQ(0, Run({"fail", "item", "2"}));
    EXPECT_EQ(0, Run({"fail", "null", "contacts"}));
    EXPECT_EQ(0, Run({"fail", "exit", "item", "3"}));
    EXPECT_EQ(0, Run({"fail", "nocollection"}));
    EXPECT_EQ(0, Run({"fail", "!nocontact", "item", "1"}));
    EXPECT_EQ(0, Run({"fail", "create"}));
    EXPECT_EQ(0, Run({"fail", "Item", "2"}));
    EXPECT_EQ("a@example.com online\r\n"
              "!fail item 2\r\n"
              "!null contacts\r\n"
              "!exit item 3\r\n"
              "!nocollection\r\n"
              "!nocontact item 1\r\n"
              "!fail create\r\n",
              m_file.Read());
    EXPECT_EQ(0, Run({"heal"}));
    EXPECT_EQ("a@example.com online\r\n", m_file.Read());
}

TEST_F(FrontEndTest, SetWritesTheNameEscapedSoThatItReadsBackAsGiven)
{
    const std::string strName = " C:\\new\\x41\t\"two\r\nlines\" \xE9 ";
    EXPECT_EQ(0, Run({"set", "a@example.com", "online", strName}));
    EXPECT_EQ("a@example.com online \\x20C:\\\\new\\\\x41\\t\"two\\r\\nlines\" \\u{00E9}\\x20\r\n",
              m_file.Read());
    EXPECT_EQ(0, Run({"set", "a@example.com", "away"}));
    const ParsedContactFile parsed = ParseContactText(m_file.Read());
    ASSERT_EQ(1u, parsed.m_list.m_contacts.size());
    EXPECT_EQ(34, parsed.m_list.m_contacts[0].m_nStatus);
    EXPECT_EQ(L" C:\\new\\x41\t\"two\r\nlines\" \u00E9 ",
              parsed.m_list.m_contacts[0].m_strFriendlyName)
        << "kept as it was";
}

TEST_F(FrontEndTest, EditsMakeTheFileWhenItIsMissing)
{
    EXPECT_EQ(0, Run({"set", "a@example.com", "idle", "Ann"}));
    EXPECT_EQ("a@example.com idle Ann\r\n", m_file.Read());
}

TEST_F(FrontEndTest, InvalidInputExitsWithTwoAndWritesNothing)
{
    const std::string strBefore = "a@example.com online\n!fail count\n";
    const std::vector<std::vector<std::string>> invalid = {
        {},
        {"frobnicate"},
        {"set", "b@example.com"},
        {"set", "b@example.com", "sleepy"},
        {"set", "#b@example.com", "online"},
        {"set", "!fail", "online"},
        {"set", "b c", "online"},
        {"set", "", "online"},
        {"set", "b@example.com", "online extra"},
        {"set", "b\nc@example.com", "online"},
        {"remove"},
        {"remove", "nobody@example.com"},
        {"clear", "now"},
        {"heal", "all"},
        {"list", "more"},
        {"fail"},
        {"fail", "item"},
        {"fail", "item", "-1"},
        {"fail", "signin", "x"},
        {"fail", "everything"},
        {"fail", "null", "item"},
        {"fail", "nocollection", "please"},
    };
    for (const auto& args : invalid) {
        m_file.Write(strBefore);
        std::string strCommand;
        for (const std::string& strArg : args)
            strCommand += strArg + " ";
        EXPECT_EQ(2, Run(args)) << strCommand;
        EXPECT_FALSE(m_err.str().empty()) << strCommand;
        EXPECT_EQ(strBefore, m_file.Read()) << strCommand;
    }
}

TEST_F(FrontEndTest, AFileWithErrorsIsWrittenOnlyByAnEditThatRemovesThem)
{
    const std::string strBadContact = "a@example.com online\nb@example.com sleepy\n";
    m_file.Write(strBadContact);
    EXPECT_EQ(2, Run({"set", "c@example.com", "online"}));
    EXPECT_NE(std::string::npos, m_err.str().find("(2): unknown status 'sleepy'")) << m_err.str();
    EXPECT_EQ(2, Run({"heal"}));
    EXPECT_EQ(strBadContact, m_file.Read());
    EXPECT_EQ(0, Run({"clear"}));
    EXPECT_EQ("", m_file.Read());

    const std::string strBadDirective = "a@example.com online\n!fail often\n";
    m_file.Write(strBadDirective);
    EXPECT_EQ(2, Run({"clear"}));
    EXPECT_EQ(strBadDirective, m_file.Read());
    EXPECT_EQ(0, Run({"heal"}));
    EXPECT_EQ("a@example.com online\r\n", m_file.Read());
}

TEST_F(FrontEndTest, ListPrintsTheFileAndItsErrors)
{
    m_file.Write("a@example.com online\n# note\n");
    EXPECT_EQ(0, Run({"list"}));
    EXPECT_EQ("a@example.com online\n# note\n", m_out.str());
    EXPECT_EQ("", m_err.str());

    m_file.Write("a@example.com onlin");
    EXPECT_EQ(1, Run({"list"}));
    EXPECT_EQ("a@example.com onlin\n", m_out.str());
    EXPECT_NE(std::string::npos, m_err.str().find(m_file.Path() + "(1): unknown status"));
}

} // namespace
