#ifndef TAVSEARCHINDEX_H
#define TAVSEARCHINDEX_H

#include <QList>
#include <QString>
#include <QVector>

class TAVItem;

// The process-wide index of item names: finds every indexed item whose name
// begins with a text, ignoring case. Holds plain pointers to items owned by the
// vault tree: empty it before those items are destroyed.
//
// The lower-cased names are kept once each, back to back, and sorted on the
// first search after a change; the items sharing a prefix then form one range
// found by binary search. Storing every prefix of every name as a hash key
// would answer the same with about twenty times the memory and rebuild time.
class TAVSearchIndex
{
public:
    static TAVSearchIndex *getInstance();

    TAVSearchIndex();
    virtual ~TAVSearchIndex();

    void clear();
    // Gives back the room that growing by additions left unused (up to half
    // of it): to call once a build of many additions is complete.
    void squeeze();
    // Indexes the item under its lower-cased display name; an item added twice
    // is found twice; an empty name indexes nothing.
    void addItem(TAVItem *item);
    // Drops every entry of the item, also those made under a name it no longer has.
    void removeItem(TAVItem *item);
    // The items whose lower-cased name starts with text lower-cased, the most
    // recently added first; empty for an empty text.
    QList<TAVItem *> searchItems(const QString &text) const;

private:
    struct Entry
    {
        TAVItem *item;
        int offset; // of the lower-cased name in keys
        int length;
    };
    // A sorted entry: the name's first eight UTF-16 units packed into two
    // words so that integer order is text order, which settles most
    // comparisons without touching the text.
    struct Sorted
    {
        quint64 head;
        quint64 next;
        int entry;
    };
    QStringView keyOf(int entry) const;
    void sortIfNeeded() const;

    QVector<Entry> entries;     // in the order of addItem
    QString keys;               // every entry's lower-cased name, back to back
    mutable QVector<Sorted> byKey;
    mutable bool sorted = true;
};

#endif // TAVSEARCHINDEX_H
