#include "menu/Sound.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"

void PlayFrontendSound(const char* sound, const char* soundset) {
    NativeInvoker::Invoke(Native::StopFrontendSound, sound, soundset);
    NativeInvoker::Invoke(Native::PlayFrontendSound, sound, soundset, 1, 0);
}
