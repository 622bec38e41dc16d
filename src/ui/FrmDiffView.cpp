#include "ui/FrmDiffView.h"

#include "app/Catalogue.h"
#include "ui/Captions.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zovi {

namespace {

constexpr int kTitle = 820;
constexpr int kHint = 828;
constexpr int kCopy = 826;
constexpr int kClose = 827;

} // namespace

QColor FrmDiffView::differingColour() {
    return QColor(255, 190, 190);
}

FrmDiffView::FrmDiffView(const DiffTable& table, const Texts& texts, QWidget* parent)
    : QDialog(parent)
    , table_(table) {
    setObjectName(QStringLiteral("frmDiffView"));
    setModal(true);
    setCaption(this, kTitle, texts);

    lblDiffHint = new QLabel(this);
    lblDiffHint->setObjectName(QStringLiteral("lblDiffHint"));
    setCaption(lblDiffHint, kHint, texts);

    tblDiff = new QTableWidget(this);
    tblDiff->setObjectName(QStringLiteral("tblDiff"));
    tblDiff->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDiff->verticalHeader()->hide();
    tblDiff->setSelectionMode(QAbstractItemView::NoSelection);
    tblDiff->setFocusPolicy(Qt::NoFocus);
    tblDiff->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    cmdDiffCopy = new QPushButton(this);
    cmdDiffCopy->setObjectName(QStringLiteral("cmdDiffCopy"));
    setCaption(cmdDiffCopy, kCopy, texts);
    cmdDiffClose = new QPushButton(this);
    cmdDiffClose->setObjectName(QStringLiteral("cmdDiffClose"));
    setCaption(cmdDiffClose, kClose, texts);
    cmdDiffClose->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDiffCopy);
    buttons->addWidget(cmdDiffClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDiffHint);
    layout->addWidget(tblDiff, 1);
    layout->addLayout(buttons);
    connect(cmdDiffCopy, &QPushButton::clicked, this, &FrmDiffView::cmdDiffCopy_Click);
    connect(cmdDiffClose, &QPushButton::clicked, this, &QDialog::accept);

    applyCaptions(this, texts);
    tblDiff->setAccessibleName(windowTitle());
    fill();
}

// Row 0 names the sides over their fields; each following row is one item, its label first.
void FrmDiffView::fill() {
    const auto fieldCount = int(table_.fields.size());
    tblDiff->setColumnCount(1 + 2 * fieldCount);
    tblDiff->setRowCount(1 + int(table_.rows.size()));
    QStringList headings{table_.labelHeading};
    headings << table_.fields << table_.fields;
    tblDiff->setHorizontalHeaderLabels(headings);

    const auto sideCell = [this](int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setTextAlignment(Qt::AlignCenter);
        tblDiff->setItem(0, column, item);
    };
    sideCell(1, table_.oursHeading);
    sideCell(1 + fieldCount, table_.theirsHeading);
    if (fieldCount > 1) {
        tblDiff->setSpan(0, 1, 1, fieldCount);
        tblDiff->setSpan(0, 1 + fieldCount, 1, fieldCount);
    }

    for (int r = 0; r < int(table_.rows.size()); ++r) {
        const DiffRow& row = table_.rows[r];
        tblDiff->setItem(r + 1, 0, new QTableWidgetItem(row.label));
        for (int f = 0; f < fieldCount; ++f) {
            const bool differs = f < row.differs.size() && row.differs[f];
            for (const auto& [column, texts] :
                 {std::pair{1 + f, &row.ours}, std::pair{1 + fieldCount + f, &row.theirs}}) {
                auto* item = new QTableWidgetItem(f < texts->size() ? texts->at(f) : QString());
                if (differs) {
                    item->setBackground(differingColour());
                    item->setForeground(QColor(Qt::black));
                    // Said in words too, for a reader that does not see the colour.
                    item->setData(Qt::AccessibleDescriptionRole, lblDiffHint->text());
                }
                tblDiff->setItem(r + 1, column, item);
            }
        }
    }
    tblDiff->setItem(0, 0, new QTableWidgetItem);
    tblDiff->resizeColumnsToContents();
    tblDiff->resizeRowsToContents();
}

void FrmDiffView::cmdDiffCopy_Click() {
    QApplication::clipboard()->setText(table_.copyText());
}

} // namespace zovi
