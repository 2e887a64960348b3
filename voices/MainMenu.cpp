#include "voices/MainMenu.h"

#include "host/ProcessState.h"
#include "voices/VoiceMenu.h"

void InitializeMenu() {
    menuController->AddSubmenu(0, "Quorvane Dev Tools", "Main Menu", AddVoiceOptions);
}
