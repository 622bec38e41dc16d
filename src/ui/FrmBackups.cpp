#include "ui/FrmBackups.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zovi {

FrmBackups::FrmBackups(AppContext& ctx, const BackupFolder& folder, QWidget* parent)
    : QDialog(parent)
    , entries_(folder.list()) {
    const Texts& texts = ctx.texts;
    setObjectName(QStringLiteral("frmBackups"));
    setModal(true);
    setCaption(this, 834, texts);

    tblBackups = new QTableWidget(int(entries_.size()), 3, this);
    tblBackups->setObjectName(QStringLiteral("tblBackups"));
    tblBackups->setHorizontalHeaderLabels({ctx.msg(835), ctx.msg(836), ctx.msg(837)});
    tblBackups->setAccessibleName(ctx.msg(834));
    tblBackups->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblBackups->setSelectionMode(QAbstractItemView::SingleSelection);
    tblBackups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblBackups->verticalHeader()->hide();
    tblBackups->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < entries_.size(); ++row) {
        const BackupEntry& entry = entries_[row];
        const QStringList cells{entry.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                ctx.msg(entry.kind == BackupKind::Positions ? 838 : 839), entry.device};
        for (int column = 0; column < cells.size(); ++column)
            tblBackups->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    tblBackups->resizeColumnsToContents();

    cmdOpen = new QPushButton(this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    setCaption(cmdOpen, 80, texts);
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    setCaption(cmdClose, 98, texts);
    cmdOpen->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOpen, cmdClose}) {
        b->setMinimumWidth(px(1500));
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblBackups, 1);
    layout->addLayout(buttons);
    connect(cmdOpen, &QPushButton::clicked, this, &FrmBackups::cmdOpen_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(tblBackups, &QTableWidget::cellDoubleClicked, this, &FrmBackups::cmdOpen_Click);
    connect(tblBackups, &QTableWidget::itemSelectionChanged, this,
            [this] { cmdOpen->setEnabled(!tblBackups->selectedItems().isEmpty()); });
    if (!entries_.isEmpty())
        tblBackups->selectRow(0);
    cmdOpen->setEnabled(!entries_.isEmpty());

    resize(px(7200), px(4800));
    applyCaptions(this, texts);
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
}

void FrmBackups::cmdOpen_Click() {
    const QList<QTableWidgetItem*> selected = tblBackups->selectedItems();
    if (selected.isEmpty())
        return;
    chosen_ = entries_.value(selected.constFirst()->row());
    done(Accepted);
}

} // namespace zovi
