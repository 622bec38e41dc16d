#pragma once

#include "app/AppContext.h"
#include "support/ScriptedOperator.h"

#include <QCoreApplication>

namespace zovi::test {

// A fresh run's state over an in-memory settings store, the program's built-in catalogue, the data
// folder beside the test program, and a scripted operator.
struct TestContext {
    explicit TestContext(qint16 langNo = 2)
        : folder(QCoreApplication::applicationDirPath())
        , ctx(settings, catalogue, op, folder) {
        catalogue.load(Catalogue::kBuiltIn);
        ctx.setLanguage(langNo);
    }

    MemorySettingsStore settings;
    Catalogue catalogue;
    ScriptedOperator op;
    ProgramFolder folder;
    AppContext ctx;
};

} // namespace zovi::test
