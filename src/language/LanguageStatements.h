#pragma once

// The three views of the text table, one per language.
namespace LanguageSql {
inline constexpr char RLanguageQuery[] = "SELECT ID, RUSSIAN FROM resource";
inline constexpr char ELanguageQuery[] = "SELECT ID,ENGLISH FROM resource";
inline constexpr char DLanguageQuery[] = "SELECT ID, GERMAN FROM resource";
} // namespace LanguageSql
