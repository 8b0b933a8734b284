#pragma once

class ContactRecord;

// The contact list: a singly linked list of owned records with one built-in
// cursor. Every client walks it the same way: Premier; then, while not
// HorsListe, Info and Suivant.
class Liste {
public:
    // The cursor is off the list where the operation needs a current node.
    class ErreurCHL {
    public:
        explicit ErreurCHL(const char* pszMessage);
        char m_szMessage[100];
    };
    // The list is empty where the operation needs a node.
    class ErreurLV {
    public:
        explicit ErreurLV(const char* pszMessage);
        char m_szMessage[100];
    };

    Liste() = default;
    ~Liste() { Vider(); }

    Liste(const Liste&) = delete;
    Liste& operator=(const Liste&) = delete;

    void Premier() { m_pCourant = m_pTete; }
    bool HorsListe() const { return m_pCourant == nullptr; }
    ContactRecord* Info() const;
    void Suivant();
    // Inserts after the cursor and moves the cursor onto the new node; into
    // an empty list, whatever the cursor.
    void InsererApres(ContactRecord*& pElement);
    // Deletes every node and every record.
    void Vider();
    // 0 for an empty list, else the cursor's 1-based place, -1 off the list.
    int Position() const;
    // Puts the cursor on the n-th node (off the list for -1, 0 or past the end).
    void Positionner(int n);

private:
    struct Noeud {
        ContactRecord* pElement;
        Noeud* pSuivant;
    };

    Noeud* m_pTete = nullptr;
    Noeud* m_pCourant = nullptr;
};

// The one contact list of the program.
extern Liste theContacts;

// Puts the list's cursor back at its ordinal place when it goes: for the
// poll cycle and the walks, any of which can run in the middle of another
// walk (a message sent by another process is handled while this thread
// waits in a call to another process).
class CursorKeeper {
public:
    explicit CursorKeeper(Liste& liste) : m_liste(liste), m_nSaved(liste.Position()) {}
    ~CursorKeeper() { m_liste.Positionner(m_nSaved); }

    CursorKeeper(const CursorKeeper&) = delete;
    CursorKeeper& operator=(const CursorKeeper&) = delete;

private:
    Liste& m_liste;
    const int m_nSaved;
};

// The walk every client uses: each record from the head, in list order. The
// cursor is left where it was.
template <typename Visit>
void ForEachContact(Visit visit)
{
    const CursorKeeper keeper(theContacts);
    for (theContacts.Premier(); !theContacts.HorsListe(); theContacts.Suivant())
        visit(theContacts.Info());
}
