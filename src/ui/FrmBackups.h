#pragma once

#include "backup/BackupFolder.h"

#include <QDialog>
#include <optional>

class QPushButton;
class QTableWidget;

namespace zovi {

class AppContext;

// File > Restore from Backup: the backups in the folder, newest first (date and time, kind, device).
// Open (or a double click) chooses the selected one; Close and Escape choose none. Nothing is read
// or written here: the caller opens the chosen file as its own Open would.
class FrmBackups : public QDialog {
    Q_OBJECT
public:
    FrmBackups(AppContext& ctx, const BackupFolder& folder, QWidget* parent = nullptr);

    // The backup chosen with Open; nothing when the dialog was closed.
    const std::optional<BackupEntry>& chosen() const { return chosen_; }

public slots:
    void cmdOpen_Click();

private:
    QList<BackupEntry> entries_;
    std::optional<BackupEntry> chosen_;
    QTableWidget* tblBackups = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace zovi
