#pragma once

#include "core/reference/ObserverRegister.h"
#include "core/registration/CodeLists.h"
#include "core/registration/Species.h"
#include "core/shared/DisplayTexts.h"
#include "core/shared/TextFiles.h"
#include "core/shared/UniqueIds.h"
