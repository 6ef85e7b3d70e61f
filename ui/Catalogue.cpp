#include "ui/Catalogue.h"

namespace {
int currentLanguage = 2;
}

int CurrentLanguage()
{
    return currentLanguage;
}

void SetCurrentLanguage(int language)
{
    currentLanguage = language;
}

std::string CatalogueText(int index)
{
    return CatalogueTextIn(currentLanguage, index);
}

std::string CatalogueTextIn(int, int)
{
    return {};
}
