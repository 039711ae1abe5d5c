#include "language/InterfaceLanguage.h"

namespace InterfaceLanguages {

std::optional<InterfaceLanguage> fromStored(std::optional<int> stored)
{
    if (!stored)
        return InterfaceLanguage::Russian;
    switch (*stored) {
    case 1:
        return InterfaceLanguage::Russian;
    case 2:
        return InterfaceLanguage::English;
    case 3:
        return InterfaceLanguage::German;
    default:
        return std::nullopt;
    }
}

int storedCode(bool germanChecked, bool englishChecked)
{
    if (germanChecked)
        return 3;
    if (englishChecked)
        return 2;
    return 1;
}

} // namespace InterfaceLanguages
