#pragma once

// Statements of the inhabitant list and card.
namespace InhabitantSql {
inline constexpr char HydrobiontsQuery[] =
    "SELECT *, (LATINNAME+' ('+NAME+')' ) AS N1, (NAME+' ('+LATINNAME+')' ) AS N2 FROM Hydrobionts";
inline constexpr char CatQuery[] = "select * from REFERENCE where REF_DIC=1 ORDER BY ID";
inline constexpr char StatusQuery[] = "select * from REFERENCE where REF_DIC=2 ORDER BY ID";
inline constexpr char CatEditQuery[] = "SELECT * FROM REFERENCE WHERE REF_DIC=1 ORDER BY ID";
inline constexpr char StatusEditQuery[] = "SELECT * FROM REFERENCE WHERE REF_DIC=2 ORDER BY ID";
} // namespace InhabitantSql
