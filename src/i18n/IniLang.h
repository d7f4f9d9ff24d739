// Localization: message texts, language files and applying them to windows.
#pragma once

#include "i18n/ApplyLanguage.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageTable.h"
#include "i18n/MessageText.h"
#include "i18n/Messages.h"
