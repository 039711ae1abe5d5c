#include "parameters/ParameterDefinitions.h"

#include "data/NextId.h"
#include "data/RuntimeSql.h"
#include "data/Transaction.h"
#include "parameters/ParameterStatements.h"

namespace {
void setValues(Statement& st, const QString& name, const QString& comment, double def, double step,
               const QString& journalTemplate)
{
    st.setParam(QStringLiteral("PARAM"), name);
    st.setParam(QStringLiteral("COMMENT"), comment);
    st.setParam(QStringLiteral("DEF"), def);
    st.setParam(QStringLiteral("STEP"), step);
    st.setParam(QStringLiteral("TEMPLATE"), journalTemplate);
}
} // namespace

ParameterDefinitions::ParameterDefinitions(Database& db, DataSet& mainParameterList)
    : m_db(db)
    , m_mainList(mainParameterList)
    , m_list(db, QStringLiteral("p_type_Query"), QString::fromUtf8(ParameterSql::p_type_Query))
    , m_add(db, QStringLiteral("AddQuery"), QString::fromUtf8(ParameterSql::AddQuery))
    , m_update(db, QStringLiteral("UpdateQuery"), QString::fromUtf8(ParameterSql::UpdateQuery))
    , m_temp(db, QStringLiteral("TempQuery"))
{}

int ParameterDefinitions::AddParameter(const QString& name, const QString& comment, double def, double step,
                                       const QString& journalTemplate)
{
    const int id = NextId(m_temp, QString::fromUtf8(ParameterSql::ParameterTable));
    m_add.setParam(QStringLiteral("ID"), id);
    setValues(m_add, name, comment, def, step, journalTemplate);
    m_add.execute();
    m_list.reopen();
    reopenMainList();
    return id;
}

void ParameterDefinitions::UpdateParameter(int id, const QString& name, const QString& comment, double def, double step,
                                           const QString& journalTemplate)
{
    setValues(m_update, name, comment, def, step, journalTemplate);
    m_update.setParam(QStringLiteral("ID"), id);
    m_list.close();
    try {
        m_update.execute();
    } catch (...) {
        // A failed change must not leave the window with an empty grid.
        m_list.open();
        m_list.locate(id);
        throw;
    }
    m_list.open();
    m_list.locate(id);
    reopenMainList();
}

void ParameterDefinitions::DeleteParameter(int id)
{
    {
        // Measurements without their parameter would be unreachable rows.
        Transaction transaction(m_db);
        runBuilt(RuntimeSql(ParameterSql::DeleteMeasuresOfParameter).id(id).text());
        runBuilt(RuntimeSql(ParameterSql::DeleteParameter).id(id).text());
        transaction.commit();
    }
    m_list.reopen();
    reopenMainList();
}

void ParameterDefinitions::MoveParameter(int id, int neighbourId)
{
    const int a = id;
    const int b = neighbourId;
    // At the first or last row the neighbour is the parameter itself: the
    // swap would leave every row as it was, so nothing is written.
    if (a != b) {
        // Identifier 0 is the parking place during the swap; the transaction
        // keeps anything from staying parked there when a statement fails.
        Transaction transaction(m_db);
        runBuilt(RuntimeSql(ParameterSql::ParkParameter).id(a).text());
        runBuilt(RuntimeSql(ParameterSql::ParkMeasures).id(a).text());
        runBuilt(RuntimeSql(ParameterSql::SetParameterId).id(a).fixed(ParameterSql::WhereId).id(b).text());
        runBuilt(RuntimeSql(ParameterSql::SetMeasuresParameter).id(a).fixed(ParameterSql::WhereParameter).id(b).text());
        runBuilt(RuntimeSql(ParameterSql::SetParameterId).id(b).fixed(ParameterSql::WhereIdParked).text());
        runBuilt(RuntimeSql(ParameterSql::SetMeasuresParameter).id(b).fixed(ParameterSql::WhereParameterParked).text());
        transaction.commit();
    }
    m_list.close();
    m_list.open();
    m_list.locate(b);
    reopenMainList();
}

void ParameterDefinitions::closeDataSets()
{
    m_list.close();
    m_temp.close();
}

void ParameterDefinitions::runBuilt(const QString& text)
{
    m_temp.setSql(text);
    m_temp.execute();
}

void ParameterDefinitions::reopenMainList()
{
    m_mainList.close();
    m_mainList.open();
}
