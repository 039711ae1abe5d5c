#pragma once

// Statements of the one-time and periodic reminders.
namespace ReminderSql {
inline constexpr char RazRemQuery[] = "SELECT * FROM RAZREM WHERE DONE=FALSE ORDER BY REMINDEDATE";
inline constexpr char RazRemDoneQuery[] = "SELECT * FROM RAZREM WHERE DONE=TRUE ORDER BY DONEDATE";
inline constexpr char PerRemQuery[] = "SELECT *  FROM PERREM  ORDER BY REMINDEDATE";
inline constexpr char PerRemDoneQuery[] = "SELECT * FROM PERREMDONE ORDER BY REMINDEDATE DESC";
} // namespace ReminderSql
