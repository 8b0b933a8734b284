#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "tests/unit/TestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A record, with its window, that tells when it is deleted.
class CountedRecord : public ContactRecord {
public:
    CountedRecord(char name, std::string& deleted)
        : ContactRecord(std::string(1, name) + "@example.com", std::string(1, name),
                        STATUS_OFFLINE),
          m_name(name), m_deleted(deleted)
    {
    }
    ~CountedRecord() override { m_deleted += m_name; }
    char m_name;

private:
    std::string& m_deleted;
};

class ListeTest : public RegistryTest {
protected:
    void Insert(char name)
    {
        ContactRecord* pRecord = new CountedRecord(name, m_deleted);
        m_liste.InsererApres(pRecord);
    }

    // The names in list order, walked the way every client walks the list.
    std::string Names()
    {
        std::string names;
        for (m_liste.Premier(); !m_liste.HorsListe(); m_liste.Suivant())
            names += static_cast<CountedRecord*>(m_liste.Info())->m_name;
        return names;
    }

    char Current() const { return static_cast<CountedRecord*>(m_liste.Info())->m_name; }

    std::string m_deleted;
    Liste m_liste;
};

template <typename Erreur, typename Operation>
std::string MessageOf(Operation operation)
{
    try {
        operation();
    } catch (const Erreur& erreur) {
        return erreur.m_szMessage;
    }
    return "(nothing thrown)";
}

TEST_F(ListeTest, NewListIsEmptyAndOffTheList)
{
    EXPECT_TRUE(m_liste.HorsListe());
    EXPECT_EQ(0, m_liste.Position());
    m_liste.Premier();
    EXPECT_TRUE(m_liste.HorsListe());
}

TEST_F(ListeTest, EmptyListRaisesListeVideBeforeHorsListe)
{
    EXPECT_EQ("Erreur: Tentative d'acces a Info sur liste vide.",
              MessageOf<Liste::ErreurLV>([&] { m_liste.Info(); }));
    EXPECT_EQ("Erreur: Tentative d'acces au suivant sur liste vide.",
              MessageOf<Liste::ErreurLV>([&] { m_liste.Suivant(); }));
}

TEST_F(ListeTest, OffTheListRaisesHorsListeWithItsMessages)
{
    Insert('P');
    m_liste.Suivant();
    ASSERT_TRUE(m_liste.HorsListe());

    EXPECT_EQ("Erreur: Tentative d'acces a Info en etant hors-liste.",
              MessageOf<Liste::ErreurCHL>([&] { m_liste.Info(); }));
    EXPECT_EQ("Erreur: Tentative d'acces au suivant en etant hors-liste.",
              MessageOf<Liste::ErreurCHL>([&] { m_liste.Suivant(); }));
    // Windows-1252 text: the accent of "étant" is the one byte 0xE9.
    auto refused = std::make_unique<CountedRecord>('Q', m_deleted);
    ContactRecord* pRefused = refused.get();
    EXPECT_EQ("Erreur: Tentative d'insertion apres en \xE9tant hors-liste.",
              MessageOf<Liste::ErreurCHL>([&] { m_liste.InsererApres(pRefused); }));
    EXPECT_EQ("P", Names()) << "a refused insertion leaves the list unchanged";
}

TEST_F(ListeTest, InsertingIntoAnEmptyListIgnoresTheCursor)
{
    m_liste.Positionner(3);
    Insert('P');
    EXPECT_EQ(1, m_liste.Position());
    EXPECT_EQ('P', Current());
}

TEST_F(ListeTest, InsertionGoesAfterTheCursorAndMovesIt)
{
    Insert('P');
    Insert('Q');
    Insert('R');
    ASSERT_EQ("PQR", Names());

    m_liste.Premier();
    Insert('S');
    EXPECT_EQ('S', Current());
    EXPECT_EQ(2, m_liste.Position());
    EXPECT_EQ("PSQR", Names());
}

TEST_F(ListeTest, InsertingAtTheHeadEachTimeGivesTheFirstThenTheRestReversed)
{
    for (char name : std::string("1234")) {
        m_liste.Premier();
        Insert(name);
    }
    EXPECT_EQ("1432", Names());
}

TEST_F(ListeTest, PositionFollowsTheCursorAndIsMinusOneAfterTheLast)
{
    Insert('P');
    Insert('Q');
    Insert('R');
    m_liste.Premier();
    EXPECT_EQ(1, m_liste.Position());
    m_liste.Suivant();
    m_liste.Suivant();
    EXPECT_EQ(3, m_liste.Position());
    m_liste.Suivant();
    EXPECT_TRUE(m_liste.HorsListe());
    EXPECT_EQ(-1, m_liste.Position());
}

TEST_F(ListeTest, PositionnerMovesToTheNthNodeOrOffTheList)
{
    Insert('P');
    Insert('Q');
    Insert('R');

    m_liste.Positionner(2);
    EXPECT_EQ('Q', Current());

    m_liste.Positionner(-2);
    EXPECT_EQ('Q', Current()) << "below -1 nothing changes";

    m_liste.Positionner(4);
    EXPECT_TRUE(m_liste.HorsListe());

    m_liste.Positionner(3);
    m_liste.Positionner(0);
    EXPECT_TRUE(m_liste.HorsListe());

    m_liste.Positionner(1);
    m_liste.Positionner(-1);
    EXPECT_TRUE(m_liste.HorsListe());
}

TEST_F(ListeTest, PositionnerOfPositionRestoresTheOrdinalPlace)
{
    for (char name : std::string("PQR"))
        Insert(name);
    m_liste.Positionner(3);
    const int saved = m_liste.Position();

    m_liste.Premier();
    Insert('S'); // lands before the saved place
    m_liste.Positionner(saved);
    EXPECT_EQ('Q', Current()) << "the same place, not the same record";

    m_liste.Suivant();
    m_liste.Suivant();
    const int off = m_liste.Position();
    m_liste.Premier();
    m_liste.Positionner(off);
    EXPECT_TRUE(m_liste.HorsListe());
}

TEST_F(ListeTest, ViderDeletesEveryRecordInListOrder)
{
    for (char name : std::string("PQR"))
        Insert(name);
    m_liste.Vider();
    EXPECT_EQ("PQR", m_deleted);
    EXPECT_TRUE(m_liste.HorsListe());
    EXPECT_EQ(0, m_liste.Position());

    Insert('S');
    EXPECT_EQ("S", Names()) << "an emptied list takes new records";
}

TEST_F(ListeTest, DestructionDeletesTheRecordsAndSkipsNullElements)
{
    {
        Liste liste;
        ContactRecord* pNull = nullptr;
        ContactRecord* pRecord = new CountedRecord('P', m_deleted);
        liste.InsererApres(pRecord);
        liste.InsererApres(pNull);
        ContactRecord* pOther = new CountedRecord('Q', m_deleted);
        liste.InsererApres(pOther);
    }
    EXPECT_EQ("PQ", m_deleted);
}

} // namespace
