#include "tools/msgrsim/MessengerObjects.h"

#include "framework/AnsiText.h"

#include <iostream>

namespace {

// Owns one VARIANT.
class CVariant {
public:
    CVariant() { VariantInit(&m_value); }
    ~CVariant() { VariantClear(&m_value); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    VARIANT* Get() { return &m_value; }

private:
    VARIANT m_value;
};

HRESULT CopyToBstr(const std::wstring& strText, BSTR* pbstr)
{
    if (!pbstr)
        return E_POINTER;
    *pbstr = SysAllocStringLen(strText.data(), static_cast<UINT>(strText.size()));
    return *pbstr ? S_OK : E_OUTOFMEMORY;
}

bool Has(const std::set<long>& indexes, long nIndex)
{
    return indexes.count(nIndex) != 0;
}

} // namespace

void HangWhileAsked(const MessengerData& data, bool (*pAsked)(const FailurePlan&))
{
    AppendLineToFile(ExchangeLogPath(data.m_strContactFile), "hang " + data.m_pList->m_strMark);
    // The file as it reads now, not the last good list: a file that is gone
    // asks for nothing.
    std::string strText;
    while (ReadTextFile(data.m_strContactFile, strText)
           && pAsked(ParseContactText(strText).m_list.m_failures))
        Sleep(100);
}

MessengerData::MessengerData(std::shared_ptr<const ContactList> pList, std::string strContactFile)
    : m_pList(std::move(pList)), m_strContactFile(std::move(strContactFile))
{
    AppendLineToFile(ExchangeLogPath(m_strContactFile), "read " + m_pList->m_strMark);
}

MessengerData::~MessengerData()
{
    AppendLineToFile(ExchangeLogPath(m_strContactFile), "done " + m_pList->m_strMark);
}

CMessenger::CMessenger(MessengerDataPtr pData)
    : CSimObject(pData->m_pTypeLib.Get()), m_pData(std::move(pData))
{
}

HRESULT CMessenger::InstantMessage(VARIANT vContact, IDispatch** ppConversation)
{
    if (!ppConversation)
        return E_POINTER;
    *ppConversation = nullptr;
    CVariant signin;
    if (FAILED(VariantChangeType(signin.Get(), &vContact, 0, VT_BSTR)))
        return E_INVALIDARG;
    BSTR bstrSignin = V_BSTR(signin.Get());
    std::string strSignin = WideToAnsi(bstrSignin, static_cast<int>(SysStringLen(bstrSignin)));

    // Every request is noted, the refused ones too: the log tells a test
    // that the client asked.
    std::string strLog = ConversationLogPath(m_pData->m_strContactFile);
    if (!AppendLineToFile(strLog, strSignin))
        std::cerr << strLog << ": cannot note the conversation (error " << GetLastError() << ")\n";

    const FailurePlan& failures = m_pData->m_pList->m_failures;
    if (failures.m_bHangIm)
        HangWhileAsked(*m_pData, [](const FailurePlan& plan) { return plan.m_bHangIm; });
    if (failures.m_bFailIm)
        return E_FAIL;
    if (!failures.m_bNullIm)
        *ppConversation = new CBareDispatch();
    return S_OK;
}

HRESULT CMessenger::get_MyContacts(IDispatch** ppContacts)
{
    if (!ppContacts)
        return E_POINTER;
    *ppContacts = nullptr;
    const FailurePlan& failures = m_pData->m_pList->m_failures;
    if (failures.m_bFailContacts)
        return E_FAIL;
    if (failures.m_bNullContacts)
        return S_OK;
    if (failures.m_bNoCollection)
        *ppContacts = new CBareDispatch();
    else
        *ppContacts = new CContactCollection(m_pData);
    return S_OK;
}

CContactCollection::CContactCollection(MessengerDataPtr pData)
    : CSimObject(pData->m_pTypeLib.Get()), m_pData(std::move(pData))
{
}

HRESULT CContactCollection::get_Count(long* pnCount)
{
    if (!pnCount)
        return E_POINTER;
    if (m_pData->m_pList->m_failures.m_bFailCount)
        return E_FAIL;
    *pnCount = static_cast<long>(m_pData->m_pList->m_contacts.size());
    return S_OK;
}

HRESULT CContactCollection::Item(long nIndex, IDispatch** ppContact)
{
    if (!ppContact)
        return E_POINTER;
    *ppContact = nullptr;
    const FailurePlan& failures = m_pData->m_pList->m_failures;
    if (Has(failures.m_exitItem, nIndex)) {
        // A server that dies in the middle of an enumeration: no reply, no
        // cleanup but one. Windows notices a dead server and starts a new
        // one for the next client; Wine's rpcss does not, and would hand
        // the dead server's class object to every later client. Withdrawn
        // first, the death looks to clients as it does on Windows.
        CServerLifetime::Instance().RevokeClassObject();
        TerminateProcess(GetCurrentProcess(), 3);
    }
    if (Has(failures.m_hangItem, nIndex))
        HangWhileAsked(*m_pData, [](const FailurePlan& plan) { return !plan.m_hangItem.empty(); });
    if (Has(failures.m_failItem, nIndex))
        return E_FAIL;
    if (Has(failures.m_nullItem, nIndex))
        return S_OK;
    if (nIndex < 0 || nIndex >= static_cast<long>(m_pData->m_pList->m_contacts.size()))
        return E_INVALIDARG;
    if (Has(failures.m_noContactItem, nIndex))
        *ppContact = new CBareDispatch();
    else
        *ppContact = new CContactObject(m_pData, nIndex);
    return S_OK;
}

CContactObject::CContactObject(MessengerDataPtr pData, long nIndex)
    : CSimObject(pData->m_pTypeLib.Get()), m_pData(std::move(pData)), m_nIndex(nIndex)
{
}

const SimContact& CContactObject::Contact() const
{
    return m_pData->m_pList->m_contacts[static_cast<size_t>(m_nIndex)];
}

HRESULT CContactObject::get_FriendlyName(BSTR* pbstrName)
{
    return CopyToBstr(Contact().m_strFriendlyName, pbstrName);
}

HRESULT CContactObject::get_Status(long* pnStatus)
{
    if (!pnStatus)
        return E_POINTER;
    *pnStatus = Contact().m_nStatus;
    return S_OK;
}

HRESULT CContactObject::get_SigninName(BSTR* pbstrName)
{
    if (Has(m_pData->m_pList->m_failures.m_failSignin, m_nIndex)) {
        if (pbstrName)
            *pbstrName = nullptr;
        return E_FAIL;
    }
    return CopyToBstr(AnsiToWide(Contact().m_strSigninName), pbstrName);
}
