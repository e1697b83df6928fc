#pragma once
// The rows a multi-row command still has to visit. A command may remove rows while it runs (the
// channel rows of a reset point, the addresses a pasted module now covers); the entries follow
// the model, and an entry whose row is gone is skipped instead of naming a freed item.
#include <QList>
#include <QModelIndexList>
#include <QPersistentModelIndex>

class OvPointWorkList {
public:
    explicit OvPointWorkList(const QModelIndexList& indexes)
    {
        m_entries.reserve(indexes.size());
        for (const QModelIndex& index : indexes)
            m_entries.append(QPersistentModelIndex(index));
    }

    // The next entry whose row still exists; false when none is left.
    bool next(QModelIndex* out)
    {
        while (m_next < m_entries.size()) {
            const QPersistentModelIndex& entry = m_entries.at(m_next++);
            if (entry.isValid()) {
                *out = entry;
                return true;
            }
        }
        return false;
    }

    // Entries not yet visited whose parent is parent are dropped.
    void dropChildrenOf(const QModelIndex& parent)
    {
        for (int i = m_entries.size() - 1; i >= m_next; --i) {
            if (m_entries.at(i).isValid() && m_entries.at(i).parent() == parent)
                m_entries.removeAt(i);
        }
    }

private:
    QList<QPersistentModelIndex> m_entries;
    int m_next = 0;
};
