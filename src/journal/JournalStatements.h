#pragma once

// Statements of the aquarium journal.
namespace JournalSql {
inline constexpr char JournalQuery[] = "SELECT * FROM JOURNAL ORDER BY EVENTTIME DESC";
inline constexpr char AddJournalQuery[] =
    "INSERT INTO JOURNAL (ID, EVENTTIME, EVENTMEMO, PHOTOFILE) VALUES  (:ID, :EVENTTIME, :EVENTMEMO, :PHOTOFILE)";
inline constexpr char UpdateJournalQuery[] =
    "UPDATE JOURNAL SET EVENTMEMO=:EVENTMEMO, PHOTOFILE=:PHOTOFILE WHERE ID=:ID";
inline constexpr char DeleteJournalQuery[] = "DELETE FROM JOURNAL WHERE ID=:ID";
} // namespace JournalSql
