#include "menu/Menu.h"

#include "voices/VoiceMenu.h"

void InitializeMenu() {
    menuController->AddSubmenu(0, "Quorvane Dev Tools", "Main Menu", AddVoiceOptions);
}
