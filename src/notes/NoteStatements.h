#pragma once

// Statements of the notes.
namespace NoteSql {
inline constexpr char MemosTable[] = "memos";
} // namespace NoteSql
