#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zovi::cli {

// A port as given to --port: a COM number 1 to 9 (resolved as the window does, from the settings) or
// the path of a serial device.
struct PortArgument {
    int comNumber = 0; // 0: `device` names the device
    QString device;
    QString name() const { return comNumber ? QStringLiteral("COM%1").arg(comNumber) : device; }
};

// What the command line asks for.
struct CliRequest {
    QString verb;   // positions, params, backup, restore, version, alarm, device, mode, move
    QString action; // read|write|verify for positions and params, comm|external for mode
    QString path;   // the file of positions and params, the folder of backup and restore
    int position = -1;
    QList<PortArgument> ports; // empty: the COM port of the settings
    bool yes = false;
    bool json = false;
    bool reset = false;
    bool help = false;
    QString lang; // "en", "ja" or empty: the language of the settings
    // The communication log's file; with several ports each port writes its own, the port's name
    // before the extension ("log-COM1.txt").
    QString logPath;
};

// A usage error: the catalogue text that says what is wrong and the word it is about.
struct UsageError {
    int textId = 0;
    QString word;
};

struct ParsedArguments {
    CliRequest request;
    std::optional<UsageError> error;
};

// The arguments after the program name. Options may stand anywhere; `--name=value` is taken as well.
ParsedArguments parseArguments(const QStringList& arguments);

// The verbs that need the controller's actuator before they start.
bool needsDevice(const QString& verb);

} // namespace zovi::cli
