#include "menu/Menu.h"

#include "voices/VoiceMenu.h"

void InitializeMenu() {
    // Titled as the product is named (release/product.conf, which the build hands in).
    menuController->AddSubmenu(0, QDT_PRODUCT_NAME, "Main Menu", AddVoiceOptions);
}
