// The stable: one row per breed and coat, under a heading per breed, padded
// with the stable's numbered horses to 2,000 rows, and a filter row above
// them that finds a horse by typing part of its name. Page Up and Down cross
// the page a window at a time.
#include "examples/ExamplePage.h"

#include "menu/Menu.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Breed {
    const char* name;
    std::vector<const char*> coats;
};

const std::vector<Breed>& Breeds() {
    static const std::vector<Breed> breeds = {
        {"American Paint", {"Greyovero", "Overo", "Splashed White", "Tobiano"}},
        {"American Standardbred", {"Black", "Buckskin", "Palomino Dapple", "Silver Tail Buckskin"}},
        {"Andalusian", {"Dark Bay", "Perlino", "Rose Gray"}},
        {"Appaloosa", {"Blanket", "Brown Leopard", "Few Spotted", "Leopard"}},
        {"Arabian", {"White", "Black", "Red Chestnut", "Rose Grey Bay", "Warped Brindle"}},
        {"Ardennes", {"Bay Roan", "Irish Chestnut", "Strawberry Roan"}},
        {"Belgian Draft", {"Blond Chestnut", "Mealy Chestnut"}},
        {"Dutch Warmblood", {"Chocolate Roan", "Seal Brown", "Sooty Buckskin"}},
        {"Hungarian Halfbred", {"Dapple Dark Gray", "Flaxen Chestnut", "Liver Chestnut", "Piebald Tobiano"}},
        {"Kentucky Saddler", {"Black", "Buttermilk Buckskin", "Chestnut Pinto", "Grey", "Silver Bay"}},
        {"Missouri Fox Trotter", {"Amber Champagne", "Silver Dapple Pinto"}},
        {"Morgan", {"Bay", "Bay Roan", "Flaxen Chestnut", "Palomino"}},
        {"Mustang", {"Grullo Dun", "Tiger Striped Bay", "Wild Bay"}},
        {"Nokota", {"Blue Roan", "Reverse Dapple Roan", "White Roan"}},
        {"Shire", {"Dark Bay", "Light Grey", "Raven Black"}},
        {"Suffolk Punch", {"Red Chestnut", "Sorrel"}},
        {"Tennessee Walker", {"Black Rabicano", "Chestnut", "Dapple Bay", "Flaxen Roan", "Red Roan"}},
        {"Thoroughbred", {"Black Chestnut", "Blood Bay", "Brindle", "Dapple Grey", "Reverse Dapple Black"}},
        {"Turkoman", {"Dark Bay", "Gold", "Silver"}},
    };
    return breeds;
}

constexpr std::int32_t StableRows = 2000;

// The row of the horse last chosen, by index on its page; -1 for none.
std::int32_t chosenRow = -1;

// Marks the selected horse as the player's, and the one before no longer.
void ChooseHorse() {
    Menu::Option* row = Menu::SelectedRow();
    if (row == nullptr) {
        return;
    }
    std::vector<Menu::Option>& rows = menuController->currentSubmenu->options;
    if (chosenRow >= 0 && static_cast<std::size_t>(chosenRow) < rows.size()) {
        rows[static_cast<std::size_t>(chosenRow)].rightText.clear();
    }
    row->rightText = "yours";
    chosenRow = row->index;
}

void AddHorseRows(Menu::Submenu* page) {
    page->AddFilter("Find a horse", "Type part of a breed or coat; an empty text shows them all.");
    for (const Breed& breed : Breeds()) {
        page->AddSeparator(breed.name);
        for (const char* coat : breed.coats) {
            page->AddOption(std::string(breed.name) + " " + coat, "Select makes it yours.", ChooseHorse);
        }
    }
    page->AddSeparator("The stable's own");
    for (std::int32_t number = 1; page->optionCount < StableRows; ++number) {
        page->AddOption("Stable horse " + std::to_string(number), "Select makes it yours.", ChooseHorse);
    }
}

} // namespace

void RegisterHorsesPage() {
    menuController->AddSubmenu(HorsesPageId, "Example", "Horses", AddHorseRows);
}
