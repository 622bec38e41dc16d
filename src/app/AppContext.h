#pragma once

#include "app/AppState.h"
#include "app/Catalogue.h"
#include "app/Operator.h"
#include "app/ParameterState.h"
#include "app/ProgramFolder.h"
#include "app/SettingsStore.h"

namespace zovi {

// The state of one run, created by main() (or by a test) and handed to every part by reference.
class AppContext {
public:
    AppContext(SettingsStore& settings, const Catalogue& catalogue, Operator& op, ProgramFolder folder = {});

    SettingsStore& settings;
    const Catalogue& catalogue;
    Operator& op;
    ProgramFolder folder;

    LanguageState lang;
    OptionsState options;
    DeviceState device;
    OperationState operation;
    WaitState wait;
    ParameterState parameters;
    int MainLeft = 0; // twips
    int MainTop = 0;

    Texts texts;
    QString msg(int baseId) const { return texts(baseId); }
    bool japanese() const { return lang.LangNo == 1; }
    // Sets LangNo and the offset that goes with it.
    void setLanguage(qint16 langNo);
};

} // namespace zovi
