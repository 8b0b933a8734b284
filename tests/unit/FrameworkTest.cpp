#include "core/Messenger.h"
#include "framework/CommandLine.h"
#include "framework/ComPtr.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "tests/unit/FakeMessenger.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace {

int g_nFreeCommands = 0;

void CountFreeCommand()
{
    ++g_nFreeCommands;
}

// A dialog whose handlers note what reached them.
class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(IDD_SKYLET_DIALOG) {}
    std::string m_strSeen;

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CDialog::GetMessageMap(),
                                    {
                                        MapMessage<&BaseDialog::OnUser>(WM_USER + 10),
                                        MapCommand<&BaseDialog::OnBaseCommand>(IDC_CONTACT_LIST),
                                    });
        return &map;
    }

private:
    LRESULT OnUser(WPARAM, LPARAM)
    {
        m_strSeen += "base;";
        return 1;
    }
    void OnBaseCommand() { m_strSeen += "base command;"; }
};

class DerivedDialog : public BaseDialog {
public:
    bool m_bThrow = false;

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(BaseDialog::GetMessageMap(),
                                    {
                                        MapMessage<&DerivedDialog::OnUser>(WM_USER + 10),
                                        MapMessage<&DerivedDialog::OnMove>(WM_MOUSEMOVE),
                                        MapCommand<&DerivedDialog::OnLog>(IDC_LOG),
                                        MapCommand<&CountFreeCommand>(4321),
                                    });
        return &map;
    }

private:
    LRESULT OnUser(WPARAM wParam, LPARAM)
    {
        if (m_bThrow)
            throw std::runtime_error("handler failed");
        m_strSeen += "derived " + std::to_string(wParam) + ";";
        return 2;
    }
    void OnMove(UINT nFlags, POINT point)
    {
        m_strSeen += "move " + std::to_string(nFlags) + " " + std::to_string(point.x) + ","
                     + std::to_string(point.y) + ";";
    }
    void OnLog(UINT nId) { m_strSeen += "command " + std::to_string(nId) + ";"; }
};

TEST(MessageMapTest, TheMostDerivedRowTakesTheMessageAndTheBaseKeepsTheRest)
{
    DerivedDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(CWnd::FromHandle(dlg.m_hWnd), &dlg);
    EXPECT_EQ(2, dlg.SendMessage(WM_USER + 10, 7));
    dlg.SendMessage(WM_COMMAND, IDC_CONTACT_LIST);
    EXPECT_EQ("derived 7;base command;", dlg.m_strSeen);
    dlg.SendMessage(WM_COMMAND, 4321);
    EXPECT_EQ(1, g_nFreeCommands) << "a free function carries out its command";
}

TEST(MessageMapTest, MouseMessagesCrackSignedPointsAndFlags)
{
    DerivedDialog dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 12));
    EXPECT_EQ("move 1 -5,12;", dlg.m_strSeen);
}

TEST(MessageMapTest, ControlsRouteOnlyTheirClicks)
{
    DerivedDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hLog = dlg.GetDlgItem(IDC_LOG);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOG, EN_CHANGE), reinterpret_cast<LPARAM>(hLog));
    EXPECT_EQ("", dlg.m_strSeen);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOG, BN_CLICKED), reinterpret_cast<LPARAM>(hLog));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOG, 1), 0); // an accelerator
    EXPECT_EQ("command 1001;command 1001;", dlg.m_strSeen);
}

TEST(MessageMapTest, AFailingHandlerDoesNotUnwindIntoTheSystem)
{
    DerivedDialog dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.m_bThrow = true;
    EXPECT_EQ(0, dlg.SendMessage(WM_USER + 10, 1));
    dlg.m_bThrow = false;
    EXPECT_EQ(2, dlg.SendMessage(WM_USER + 10, 3)) << "the window goes on working";
}

TEST(MessageMapTest, ObjectsAreDetachedWhenTheirWindowGoes)
{
    DerivedDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hWnd = dlg.m_hWnd;
    DestroyWindow(hWnd);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(hWnd));
}

// A modal dialog that opens another from inside its own loop, and ends both.
class NestingDialog : public CDialog {
public:
    explicit NestingDialog(int nDepth) : CDialog(IDD_SKYLET_DIALOG), m_nDepth(nDepth) {}
    INT_PTR m_nInnerResult = 0;
    bool m_bAttached = false;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_bAttached = CWnd::FromHandle(m_hWnd) == this;
        if (m_nDepth > 0) {
            NestingDialog inner(m_nDepth - 1);
            m_nInnerResult = inner.DoModal();
            m_bAttached = m_bAttached && inner.m_bAttached;
        }
        PostMessage(WM_COMMAND, m_nDepth > 0 ? IDOK : IDCANCEL);
        return TRUE;
    }

private:
    int m_nDepth;
};

TEST(DialogTest, ModalDialogsNestAndEachKeepsItsOwnWindow)
{
    NestingDialog outer(2);
    EXPECT_EQ(IDOK, outer.DoModal());
    EXPECT_EQ(IDOK, outer.m_nInnerResult);
    EXPECT_TRUE(outer.m_bAttached);
    EXPECT_EQ(nullptr, outer.m_hWnd);
}

TEST(CommandLineTest, OptionsAreFoundWithEitherPrefixInAnyCase)
{
    EXPECT_TRUE(HasCommandLineOption("-Embedding", "Embedding"));
    EXPECT_TRUE(HasCommandLineOption("/x /AUTOMATION", "Automation"));
    EXPECT_FALSE(HasCommandLineOption("Embedding", "Embedding"));
    EXPECT_FALSE(HasCommandLineOption("-Embeddings -Embed", "Embedding"));
    EXPECT_FALSE(HasCommandLineOption("", "Embedding"));
}

TEST(ComInitTest, AThreadInitialisedOtherwiseKeepsItsInitialisation)
{
    std::thread([] {
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        {
            CComInit refused; // the apartment kind differs
            EXPECT_FALSE(refused.Succeeded());
        }
        // Still initialised once: a further initialisation only counts up.
        EXPECT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        CoUninitialize();
        CoUninitialize();
    }).join();
}

// The messenger's methods are reached by their fixed slots: call them by
// slot number through the table, as the messenger's own client code does.
template <typename... Args>
HRESULT CallSlot(IUnknown* pObject, int nSlot, Args... args)
{
    using Method = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
    void** pTable = *reinterpret_cast<void***>(pObject);
    return reinterpret_cast<Method>(pTable[nSlot])(pObject, args...);
}

TEST(MessengerSlotTest, EveryMethodSitsInItsSlot)
{
    CoInitialize(nullptr);
    {
        FakeMessenger fake;
        fake.Add(L"bob@example.com", 0x22, L"Bob");
        CComPtr<IMessenger> pMessenger;
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_Messenger, nullptr, CLSCTX_LOCAL_SERVER,
                                         IID_IMessenger, pMessenger.PutVoid()));
        CComPtr<IDispatch> pDispatch;
        ASSERT_EQ(S_OK, CallSlot(pMessenger.Get(), 26, pDispatch.Put()));
        CComPtr<IMessengerContacts> pContacts;
        ASSERT_EQ(S_OK, pDispatch->QueryInterface(IID_IMessengerContacts, pContacts.PutVoid()));
        long nCount = 0;
        EXPECT_EQ(S_OK, CallSlot(pContacts.Get(), 7, &nCount));
        EXPECT_EQ(1, nCount);
        CComPtr<IDispatch> pItem;
        ASSERT_EQ(S_OK, CallSlot(pContacts.Get(), 8, 0L, pItem.Put()));
        CComPtr<IMessengerContact> pContact;
        ASSERT_EQ(S_OK, pItem->QueryInterface(IID_IMessengerContact, pContact.PutVoid()));
        CBstr friendly, signin;
        long nStatus = 0;
        EXPECT_EQ(S_OK, CallSlot(pContact.Get(), 7, friendly.Put()));
        EXPECT_EQ(S_OK, CallSlot(pContact.Get(), 8, &nStatus));
        EXPECT_EQ(S_OK, CallSlot(pContact.Get(), 9, signin.Put()));
        EXPECT_STREQ(L"Bob", friendly.Get());
        EXPECT_EQ(0x22, nStatus);
        EXPECT_STREQ(L"bob@example.com", signin.Get());

        VARIANT contact;
        VariantInit(&contact);
        CBstr name(L"bob@example.com");
        contact.vt = VT_BSTR;
        contact.bstrVal = name.Get();
        CComPtr<IDispatch> pWindow;
        EXPECT_EQ(S_OK, CallSlot(pMessenger.Get(), 21, contact, pWindow.Put()));
        ASSERT_EQ(1u, fake.instantMessages.size());
    }
    CoUninitialize();
}

} // namespace
