#include "language/CaptionTable.h"

void CaptionTable::add(int identifier, Setter setter)
{
    m_rows.push_back({identifier, identifier, {}, std::move(setter)});
}

void CaptionTable::addModeDependent(std::function<bool()> test, int whenTrue, int otherwise, Setter setter)
{
    m_rows.push_back({whenTrue, otherwise, std::move(test), std::move(setter)});
}

void CaptionTable::apply(const Lookup& lookup) const
{
    for (const Row& row : m_rows) {
        const int id = !row.test || row.test() ? row.identifier : row.otherwise;
        row.setter(lookup(id));
    }
}

std::vector<int> CaptionTable::identifiers() const
{
    std::vector<int> ids;
    for (const Row& row : m_rows) {
        ids.push_back(row.identifier);
        if (row.otherwise != row.identifier)
            ids.push_back(row.otherwise);
    }
    return ids;
}
