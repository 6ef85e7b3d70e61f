#pragma once
// The maker's data, without any Qt: the info window, the mail link and the
// datasheets' address block take them from here (the version is
// core/settings/ProgramVersion.h).

#include <string>

#include "core/text/Catalogue.h"

// The maker.
inline constexpr char MakerName[] = "Quorvane GmbH";
// The name in front of the device headings of the datasheets.
inline constexpr char MakerBrand[] = "Quorvane";
inline constexpr char MakerStreet[] = "Talstra\u00dfe 14";
inline constexpr char MakerTown[] = "79111 Freiburg";
inline constexpr char MakerCountry[] = "Germany";
inline constexpr char MakerTelephoneNumber[] = "+49 761 555 01 00";
inline constexpr char MakerFaxNumber[] = "+49 761 555 01 99";
inline constexpr char MakerWebText[] = "www.quorvane.example";
inline constexpr char MakerWebAddress[] = "https://www.quorvane.example";
inline constexpr char MakerMailAddress[] = "info@quorvane.example";
inline constexpr char MakerCopyright[] = "\u00a9 2011 Quorvane GmbH";

// The caption of the main window, also the title of its printed and exported
// documents: the maker followed by TextId::EconomyCalculation "Calculation of Economy
// according to VDI 2071" in the current language.
inline std::string ProgramCaption()
{
    return std::string(MakerName) + " - " + CatalogueText(TextId::EconomyCalculation);
}
