#pragma once
// The twelve sheets of the declaration screen, in their order on screen, with
// their captions. The save checks depend on the sheet on show.

#include <QString>
#include <array>

namespace vexa::decl {

enum class Sheet {
    Itens2a39 = 0,      // identification, cash, 3.9, change of domicile
    Item41 = 1,         // entries by operation
    Item42 = 2,         // outputs by operation
    Itens5a87 = 3,      // apuração
    Item9 = 4,          // ICMS to pay
    Itens10a103 = 5,    // stock
    Itens11a127 = 6,    // by state
    Item13 = 7,         // pump meters, tanks
    Item14 = 8,         // alcohol
    Itens15 = 9,        // outputs by municipality
    Item16 = 10,        // goods from other municipalities
    Itens17a184 = 11,   // declarant and accountant
};
inline constexpr int kSheetCount = 12;

inline QString sheetCaption(Sheet sheet) {
    static const std::array<const char*, kSheetCount> captions = {
        "Itens 2 - 3.9", "Item 4.1",        "Item 4.2", "Itens 5 - 8.7", "Item 9",   "Itens 10 - 10.3",
        "Itens 11 - 12.7", "Item 13", "Item 14",  "Itens 15",      "Item 16", "Itens 17 - 18.4"};
    return QString::fromUtf8(captions[static_cast<size_t>(sheet)]);
}

// The screen is 800 wide; 636 high on "Itens 5 - 8.7", 500 on every other sheet.
inline constexpr int kScreenWidth = 800;
inline int sheetHeight(Sheet sheet) { return sheet == Sheet::Itens5a87 ? 636 : 500; }

} // namespace vexa::decl
