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
} // namespace ParameterSql
