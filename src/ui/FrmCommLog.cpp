#include "ui/FrmCommLog.h"

#include "app/AppContext.h"
#include "link/CommLog.h"
#include "ui/Captions.h"
#include "ui/FrmCommLogModel.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace zovi {

namespace {

constexpr int kMenuCaption = 810; // the window's title without its access key
constexpr int kSaveFailed = 811;
constexpr int kFilterLabel = 815;
constexpr int kCopy = 816;
constexpr int kSave = 817;
constexpr int kSaveTitle = 818;
constexpr int kSaveFilter = 819;

QString withoutAccessKey(QString caption) {
    static const QRegularExpression key(QStringLiteral("\\(&.\\)|&"));
    return caption.remove(key).trimmed();
}

} // namespace

FrmCommLog::FrmCommLog(AppContext& ctx, const CommLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ctx_(ctx)
    , log_(log) {
    const Texts& texts = ctx.texts;
    setObjectName(QStringLiteral("frmCommLog"));
    setWindowTitle(withoutAccessKey(texts(kMenuCaption)));

    model_ = new FrmCommLogModel(log, texts, this);
    shown_ = new QSortFilterProxyModel(this);
    shown_->setSourceModel(model_);
    shown_->setFilterRole(FrmCommLogModel::kOutcomeRole);
    shown_->setFilterKeyColumn(FrmCommLogModel::ColOutcome);

    lblCommLogFilter = new QLabel(this);
    lblCommLogFilter->setObjectName(QStringLiteral("lblCommLogFilter"));
    setCaption(lblCommLogFilter, kFilterLabel, texts);
    comboCommLogFilter = new QComboBox(this);
    comboCommLogFilter->setObjectName(QStringLiteral("comboCommLogFilter"));
    comboCommLogFilter->addItems(model_->outcomeNames());
    lblCommLogFilter->setBuddy(comboCommLogFilter);

    flgdCommLog = new QTableView(this);
    flgdCommLog->setObjectName(QStringLiteral("flgdCommLog"));
    flgdCommLog->setModel(shown_);
    flgdCommLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    flgdCommLog->setSelectionMode(QAbstractItemView::ExtendedSelection);
    flgdCommLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flgdCommLog->setWordWrap(false);
    flgdCommLog->verticalHeader()->hide();
    flgdCommLog->verticalHeader()->setDefaultSectionSize(flgdCommLog->fontMetrics().height() + 4);
    flgdCommLog->horizontalHeader()->setStretchLastSection(true);
    // The first three columns as wide as their widest text in this run's language.
    const QFontMetrics metrics = flgdCommLog->fontMetrics();
    const auto widest = [&metrics](const QStringList& texts) {
        int width = 0;
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        return width + 16;
    };
    const QStringList headings = {model_->headerData(0, Qt::Horizontal).toString(),
                                  model_->headerData(1, Qt::Horizontal).toString(),
                                  model_->headerData(2, Qt::Horizontal).toString()};
    flgdCommLog->setColumnWidth(FrmCommLogModel::ColTime,
                                widest({QStringLiteral("00:00:00.000"), headings[0]}));
    flgdCommLog->setColumnWidth(FrmCommLogModel::ColDirection,
                                widest(QStringList(model_->directionNames()) << headings[1]));
    flgdCommLog->setColumnWidth(FrmCommLogModel::ColOutcome,
                                widest(QStringList(model_->outcomeNames()) << headings[2]));

    cmdCommLogCopy = new QPushButton(this);
    cmdCommLogCopy->setObjectName(QStringLiteral("cmdCommLogCopy"));
    setCaption(cmdCommLogCopy, kCopy, texts);
    cmdCommLogSave = new QPushButton(this);
    cmdCommLogSave->setObjectName(QStringLiteral("cmdCommLogSave"));
    setCaption(cmdCommLogSave, kSave, texts);

    auto* top = new QHBoxLayout;
    top->addWidget(lblCommLogFilter);
    top->addWidget(comboCommLogFilter);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdCommLogCopy);
    bottom->addWidget(cmdCommLogSave);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(flgdCommLog, 1);
    layout->addLayout(bottom);

    connect(comboCommLogFilter, &QComboBox::currentIndexChanged, this, &FrmCommLog::comboCommLogFilter_Click);
    connect(cmdCommLogCopy, &QPushButton::clicked, this, &FrmCommLog::cmdCommLogCopy_Click);
    connect(cmdCommLogSave, &QPushButton::clicked, this, &FrmCommLog::cmdCommLogSave_Click);
    auto* copyKey = new QShortcut(QKeySequence::Copy, flgdCommLog);
    copyKey->setContext(Qt::WidgetShortcut);
    connect(copyKey, &QShortcut::activated, this, &FrmCommLog::cmdCommLogCopy_Click);
    connect(shown_, &QAbstractItemModel::rowsAboutToBeInserted, this, &FrmCommLog::rowsComing);
    connect(shown_, &QAbstractItemModel::rowsInserted, this, &FrmCommLog::rowsCame);

    applyCaptions(this, texts);
    comboCommLogFilter->setAccessibleName(lblCommLogFilter->text().remove(QLatin1Char('&')));
    flgdCommLog->setAccessibleName(windowTitle());
    resize(px(10500), px(6000));
    flgdCommLog->scrollToBottom();
}

void FrmCommLog::rowsComing() {
    const QScrollBar* bar = flgdCommLog->verticalScrollBar();
    follow_ = bar->value() >= bar->maximum();
}

void FrmCommLog::rowsCame() {
    if (follow_)
        flgdCommLog->scrollToBottom();
}

void FrmCommLog::comboCommLogFilter_Click(int index) {
    if (index <= 0)
        shown_->setFilterRegularExpression(QString());
    else
        shown_->setFilterRegularExpression(QStringLiteral("^%1$").arg(index - 1));
    flgdCommLog->scrollToBottom();
}

QString FrmCommLog::selectedText() const {
    QModelIndexList rows = flgdCommLog->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& row : rows)
        lines << row.data(FrmCommLogModel::kLineTextRole).toString();
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void FrmCommLog::cmdCommLogCopy_Click() {
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void FrmCommLog::cmdCommLogSave_Click() {
    FileDialogRequest request;
    request.title = ctx_.msg(kSaveTitle);
    request.filter = ctx_.msg(kSaveFilter);
    request.defaultExtension = QStringLiteral("txt");
    request.initialName = QStringLiteral("commlog.txt");
    request.overwritePrompt = true;
    const auto path = ctx_.op.saveFile(request);
    if (!path)
        return;
    const int index = comboCommLogFilter->currentIndex();
    const auto only = index > 0 ? std::optional(CommLog::Outcome(index - 1)) : std::nullopt;
    const QString problem = log_.writeFile(*path, only);
    if (!problem.isEmpty())
        ctx_.op.message(ctx_.msg(kSaveFailed).arg(QDir::toNativeSeparators(*path), problem), Buttons::Ok,
                        Icon::Exclamation);
}

} // namespace zovi
