#pragma once

#include "app/AppContext.h"
#include "support/ScriptedOperator.h"

#include <QCoreApplication>

namespace zovi::test {

// A fresh run's state over an in-memory settings store, the real catalogue beside the test
// program, and a scripted operator.
struct TestContext {
    explicit TestContext(qint16 langNo = 2)
        : folder(QCoreApplication::applicationDirPath())
        , ctx(settings, catalogue, op, folder) {
        catalogue.load(folder.file(QStringLiteral("catalogue.tsv")));
        ctx.setLanguage(langNo);
    }

    MemorySettingsStore settings;
    Catalogue catalogue;
    ScriptedOperator op;
    ProgramFolder folder;
    AppContext ctx;
};

} // namespace zovi::test
