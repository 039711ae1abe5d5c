#pragma once

#include "data/Database.h"

// All or nothing for the few writes made of several statements: unless
// commit() is reached, leaving the scope rolls every statement back.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    bool m_finished = false;
};
