#pragma once

// Statements of the aquarium journal.
namespace JournalSql {
inline constexpr char JournalQuery[] = "SELECT * FROM JOURNAL ORDER BY EVENTTIME DESC";
} // namespace JournalSql
