#pragma once

#include "app/AppContext.h"
#include "app/Operator.h"
#include "app/QuietViews.h"
#include "app/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace zovi::fuzz {

// The Qt application object every target runs under (event loops, codecs, resources).
void ensureApplication();

// Writes `bytes` to this process's scratch file and returns its path, for readers that take a file.
QString scratchFile(const QByteArray& bytes);

// The folder the fuzz targets were built into, with the program's data files beside them.
QString programFolder();

// The program's own message catalogue, read once for all runs.
const Catalogue& builtInCatalogue();

// Answers every question with its first button and every file dialog with Cancel; shows nothing.
class SilentOperator : public Operator {
public:
    Answer message(const QString&, Buttons buttons, Icon, const QString&) override {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
};

// A run's state: the built-in catalogue, the data files beside the targets, settings
// in memory.
struct FuzzContext {
    explicit FuzzContext(qint16 langNo = 2);

    MemorySettingsStore settings;
    SilentOperator op;
    AppContext ctx;
};

} // namespace zovi::fuzz
