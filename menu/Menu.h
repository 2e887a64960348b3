// The one header a page includes: pages and rows, the controller, the look,
// the natives by name and the framework's version.
#pragma once

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Controller.h"
#include "menu/Pages.h"
#include "menu/Style.h"
#include "menu/Submenu.h"

#include <QuorvaneMenuVersion.h>
