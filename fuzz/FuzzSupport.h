#pragma once

#include "app/AppContext.h"
#include "app/MainView.h"
#include "app/Operator.h"
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

// The main window's lamps and panels, drawn nowhere.
class QuietMainView : public MainView {
public:
    void setPortLamp(bool) override {}
    void setAlarmLamp(bool) override {}
    void setAlarmNo(const QString&) override {}
    void setErrorComment(const QString&) override {}
    void setHomeLamp(bool) override {}
    void setOutputLamps(bool, bool) override {}
    void greyAllMoveButtons() override {}
    void setStatusPanel(int, const QString&) override {}
    void refreshStatusBar() override {}
};

// A run's state: the built-in catalogue (read once for all runs), the data files beside the targets, settings
// in memory.
struct FuzzContext {
    explicit FuzzContext(qint16 langNo = 2);

    MemorySettingsStore settings;
    SilentOperator op;
    AppContext ctx;
};

} // namespace zovi::fuzz
