#pragma once

#include <optional>

// The interface languages and their codes in the settings store.
enum class InterfaceLanguage { Russian = 1, English = 2, German = 3 };

namespace InterfaceLanguages {
// The language a stored "LANGUAGE" value selects. A missing or unreadable value
// means Russian; a number other than 1, 2 or 3 leaves the design choice (nullopt).
std::optional<InterfaceLanguage> fromStored(std::optional<int> stored);
// The code written back at close: German if checked, else English if checked, else Russian.
int storedCode(bool germanChecked, bool englishChecked);
} // namespace InterfaceLanguages
