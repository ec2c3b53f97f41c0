// The identifiers read so far by one opening of documents, in reading order, with a quick
// answer to "was this one read already?" (a document of many curves asks it once per record).
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <initializer_list>

class ListeIdentifiants {
public:
    ListeIdentifiants() = default;
    ListeIdentifiants(std::initializer_list<QString> identifiants)
    {
        for (const QString& i : identifiants)
            *this << i;
    }

    ListeIdentifiants& operator<<(const QString& identifiant)
    {
        liste_ << identifiant;
        ensemble_.insert(identifiant);
        return *this;
    }
    bool contains(const QString& identifiant) const { return ensemble_.contains(identifiant); }
    void clear()
    {
        liste_.clear();
        ensemble_.clear();
    }
    qsizetype size() const { return liste_.size(); }
    bool isEmpty() const { return liste_.isEmpty(); }
    const QStringList& liste() const { return liste_; }
    QStringList::const_iterator begin() const { return liste_.cbegin(); }
    QStringList::const_iterator end() const { return liste_.cend(); }

private:
    QStringList liste_;
    QSet<QString> ensemble_;
};
