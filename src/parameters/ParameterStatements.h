#pragma once

// Statements of the water parameters and their measurements.
namespace ParameterSql {
inline constexpr char MeasuresTypeQuery[] = "SELECT * FROM p_type order by ID";
inline constexpr char MeasuresQuery[] = "SELECT * FROM MEASURES WHERE (REF_P_TYPE=:REF_P_TYPE)AND(WHEN>=:FROMDATE)AND("
                                        "WHEN<=:TODATE) ORDER BY WHEN DESC";
} // namespace ParameterSql
