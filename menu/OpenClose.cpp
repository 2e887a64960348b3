// Opening and closing the menu: its sound and the radar.
#include "menu/Menu.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Events.h"
#include "menu/Settings.h"
#include "menu/Sound.h"

namespace Menu {

void Controller::SetOpen(bool open) {
    isOpen = open;
    if (isOpen) {
        PlayFrontendSound(menu_art::OpenSound);
    } else {
        PlayFrontendSound(menu_art::CloseSound);
    }
    NativeInvoker::Invoke(native::RadarDisplaySwitch, isOpen ? 0 : 1);
    if (open) {
        RunEvent(onOpen);
        // The page shows again with the selection on its row.
        HoverSelectedRow(*this);
    } else {
        RunEvent(onClose);
        WriteSettings(true);
    }
}

} // namespace Menu
