#pragma once

// Statements of the water parameters and their measurements.
namespace ParameterSql {
inline constexpr char MeasuresTypeQuery[] = "SELECT * FROM p_type order by ID";
inline constexpr char MeasuresQuery[] = "SELECT * FROM MEASURES WHERE (REF_P_TYPE=:REF_P_TYPE)AND(WHEN>=:FROMDATE)AND("
                                        "WHEN<=:TODATE) ORDER BY WHEN DESC";
// The main window's AddQuery.
inline constexpr char AddMeasureQuery[] = "INSERT INTO MEASURES\n(ID, REF_P_TYPE, VALUE, WHEN, COMMENT)\nVALUES\n(:ID, "
                                          ":REF_P_TYPE, :VALUE, :WHEN, :COMMENT)";
inline constexpr char UpdateMeasuresQuery[] = "UPDATE MEASURES  SET VALUE=:VALUE, COMMENT=:COMMENT  WHERE ID=:ID";

// The parameter definitions editor.
inline constexpr char ParameterTable[] = "p_type";
inline constexpr char p_type_Query[] = "SELECT * FROM p_type order by ID";
inline constexpr char AddQuery[] = "INSERT INTO p_type\n"
                                   "(ID, PARAM, COMMENT, DEF, STEP, TEMPLATE)\n"
                                   "VALUES\n"
                                   "(:ID, :PARAM, :COMMENT, :DEF, :STEP, :TEMPLATE)";
inline constexpr char UpdateQuery[] =
    "UPDATE p_type SET PARAM=:PARAM, COMMENT=:COMMENT, DEF=:DEF, STEP=:STEP, TEMPLATE=:TEMPLATE WHERE ID=:ID";

// Fixed pieces of the texts built at run time; identifiers go between them.
inline constexpr char DeleteMeasuresOfParameter[] = "DELETE FROM MEASURES WHERE REF_P_TYPE=";
inline constexpr char DeleteParameter[] = "DELETE FROM p_type  WHERE ID=";
inline constexpr char ParkParameter[] = "UPDATE p_type set ID=0 WHERE ID=";
inline constexpr char ParkMeasures[] = "UPDATE measures set REF_P_TYPE=0 WHERE REF_P_TYPE=";
inline constexpr char SetParameterId[] = "UPDATE p_type set ID=";
inline constexpr char SetMeasuresParameter[] = "UPDATE measures set REF_P_TYPE=";
inline constexpr char WhereId[] = " WHERE ID=";
inline constexpr char WhereParameter[] = " WHERE REF_P_TYPE=";
inline constexpr char WhereIdParked[] = " WHERE ID=0";
inline constexpr char WhereParameterParked[] = " WHERE REF_P_TYPE=0";
} // namespace ParameterSql
