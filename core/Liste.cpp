#include "core/Liste.h"

#include "core/ContactRecord.h"

#include <cstring>

Liste theContacts;

namespace {

template <typename Erreur>
void CopyMessage(Erreur& erreur, const char* pszMessage)
{
    std::strncpy(erreur.m_szMessage, pszMessage, sizeof(erreur.m_szMessage) - 1);
    erreur.m_szMessage[sizeof(erreur.m_szMessage) - 1] = '\0';
}

} // namespace

Liste::ErreurCHL::ErreurCHL(const char* pszMessage)
{
    CopyMessage(*this, pszMessage);
}

Liste::ErreurLV::ErreurLV(const char* pszMessage)
{
    CopyMessage(*this, pszMessage);
}

ContactRecord* Liste::Info() const
{
    if (!m_pTete)
        throw ErreurLV("Erreur: Tentative d'acces a Info sur liste vide.");
    if (!m_pCourant)
        throw ErreurCHL("Erreur: Tentative d'acces a Info en etant hors-liste.");
    return m_pCourant->pElement;
}

void Liste::Suivant()
{
    if (!m_pTete)
        throw ErreurLV("Erreur: Tentative d'acces au suivant sur liste vide.");
    if (!m_pCourant)
        throw ErreurCHL("Erreur: Tentative d'acces au suivant en etant hors-liste.");
    m_pCourant = m_pCourant->pSuivant;
}

void Liste::InsererApres(ContactRecord*& pElement)
{
    if (!m_pTete) {
        m_pTete = m_pCourant = new Noeud{pElement, nullptr};
        return;
    }
    if (!m_pCourant)
        throw ErreurCHL("Erreur: Tentative d'insertion apres en \xE9tant hors-liste.");
    m_pCourant->pSuivant = new Noeud{pElement, m_pCourant->pSuivant};
    m_pCourant = m_pCourant->pSuivant;
}

void Liste::Vider()
{
    while (Noeud* pNoeud = m_pTete) {
        m_pTete = pNoeud->pSuivant;
        delete pNoeud->pElement;
        delete pNoeud;
    }
    m_pCourant = nullptr;
}

int Liste::Position() const
{
    if (!m_pTete)
        return 0;
    int position = 1;
    for (const Noeud* pNoeud = m_pTete; pNoeud; pNoeud = pNoeud->pSuivant, ++position)
        if (pNoeud == m_pCourant)
            return position;
    return -1;
}

void Liste::Positionner(int n)
{
    if (n < -1 || !m_pTete)
        return;
    m_pCourant = nullptr;
    if (n <= 0)
        return;
    m_pCourant = m_pTete;
    for (int i = 1; i < n && m_pCourant; ++i)
        m_pCourant = m_pCourant->pSuivant;
}
