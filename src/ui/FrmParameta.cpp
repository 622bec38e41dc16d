#include "ui/FrmParameta.h"

#include "app/AppContext.h"
#include "parameter/ParameterTable.h"
#include "ui/Captions.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FrmDevice.h"
#include "ui/FrmDevice2.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zovi {

namespace {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* captionLabel(QWidget* parent, const QString& name, int id, const Texts& texts) {
    auto* label = named(new QLabel(parent), name);
    setCaption(label, id, texts);
    return label;
}

QPushButton* commandButton(QWidget* parent, const char* name, int id, const Texts& texts) {
    auto* button = named(new QPushButton(parent), QString::fromLatin1(name));
    setCaption(button, id, texts);
    button->setAutoDefault(false);
    button->setMinimumWidth(px(1400));
    return button;
}

// Options of one group side by side, numbered "<name>_<index>".
template <std::size_t N>
QButtonGroup* optionGroup(QWidget* parent, QHBoxLayout* row, const char* name, const std::array<int, N>& ids,
                          std::array<QRadioButton*, N>& options, const Texts& texts) {
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = named(new QRadioButton(parent), QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        setCaption(options[i], ids[i], texts);
        group->addButton(options[i], int(i));
        row->addWidget(options[i]);
    }
    return group;
}

void showCombo(QComboBox* box, const QStringList& entries, const QString& text) {
    const QSignalBlocker blocker(box);
    QStringList current;
    for (int i = 0; i < box->count(); ++i)
        current << box->itemText(i);
    if (current != entries) {
        box->clear();
        box->addItems(entries);
    }
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
}

void check(QButtonGroup* group, int id) {
    const QSignalBlocker blocker(group);
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}

} // namespace

FrmParameta::FrmParameta(AppContext& ctx, DeviceCatalogue& catalogue, ParameterLink link, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ctx_(ctx)
    , catalogue_(catalogue)
    , model_(ctx, catalogue, ctx.parameters)
    , commands_(ctx, catalogue, model_, *this, link) {
    setObjectName(QStringLiteral("frmParameta"));
    buildControls();
    applyCaptions(this, ctx.texts);
    ssTab2->setTabText(0, ctx.msg(75));
    ssTab2->setTabText(1, ctx.msg(76));
    connectControls();
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
    model_.Form_Load();
    showModel();
}

QLineEdit* FrmParameta::textField(int number, QWidget* parent) {
    const ParameterRow& row = parameterRow(number);
    auto* field = named(new QLineEdit(parent), QString::fromLatin1(row.windowField));
    if (row.hintId)
        zovi::setToolTip(field, row.hintId, ctx_.texts);
    // Typing is filtered key by key; this keeps pasted text to digits as well.
    if (row.keyLength)
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    if (row.number != 22)
        field->setAlignment(Qt::AlignRight);
    field->installEventFilter(this);
    textFields_[number] = field;
    return field;
}

QWidget* FrmParameta::buildNumberColumn() {
    auto* column = new QWidget(framParameta);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;
    for (const ParameterRow& row : parameterRows()) {
        if (row.number > 17)
            break;
        auto* label =
            captionLabel(column, QStringLiteral("lblParameter_%1").arg(row.number), row.labelId, ctx_.texts);
        QLineEdit* field = textField(row.number, column);
        field->setFixedWidth(px(1100));
        label->setBuddy(field);
        grid->addWidget(label, line, 0);
        grid->addWidget(field, line, 1);
        ++line;
    }
    cmdSelectDevice = commandButton(column, "cmdSelectDevice", 69, ctx_.texts);
    cmdSelectDevice->setMinimumWidth(0);
    grid->addWidget(cmdSelectDevice, 0, 2);
    grid->setColumnStretch(3, 1);
    return column;
}

QWidget* FrmParameta::buildDeviceColumn() {
    const Texts& texts = ctx_.texts;
    auto* column = new QWidget(framParameta);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;
    auto addRow = [&](const QString& labelName, int labelId, QLayout* content, QWidget* buddy) {
        auto* label = captionLabel(column, labelName, labelId, texts);
        if (buddy)
            label->setBuddy(buddy);
        grid->addWidget(label, line, 0);
        grid->addLayout(content, line, 1);
        ++line;
    };

    auto* homing = new QHBoxLayout;
    verticalGroup_ = optionGroup<2>(column, homing, "optVertical", {199, 200}, optVertical, texts);
    QLineEdit* vsiyou = textField(18, column);
    vsiyou->setFixedWidth(px(500));
    homing->addWidget(vsiyou);
    homing->addStretch();
    addRow(QStringLiteral("lblVertical"), 64, homing, nullptr);

    for (int number : {19, 20}) {
        auto* line19 = new QHBoxLayout;
        QLineEdit* field = textField(number, column);
        field->setFixedWidth(px(1100));
        line19->addWidget(field);
        line19->addStretch();
        addRow(QStringLiteral("lblParameter_%1").arg(number), parameterRow(number).labelId, line19, field);
    }

    auto* types = new QHBoxLayout;
    typeGroup_ = optionGroup<3>(column, types, "optType", {146, 147, 134}, optType, texts);
    types->addStretch();
    addRow(QStringLiteral("lblType"), 84, types, nullptr);

    auto* actuator = new QHBoxLayout;
    QLineEdit* code = textField(22, column);
    code->setReadOnly(true);
    code->setFixedWidth(px(1500));
    actuator->addWidget(code);
    actuator->addStretch();
    addRow(QStringLiteral("lblActuator"), 198, actuator, code);

    auto* boxes = new QGridLayout;
    const std::array<std::tuple<QComboBox**, const char*, const char*, int>, 3> lists = {{
        {&comboActSize, "comboActSize", "lblActSize", 135},
        {&comboActSpeed, "comboActSpeed", "lblActSpeed", 136},
        {&comboActStroke, "comboActStroke", "lblActStroke", 137},
    }};
    int boxColumn = 0;
    for (const auto& [box, boxName, labelName, id] : lists) {
        *box = named(new QComboBox(column), QString::fromLatin1(boxName));
        (*box)->setEditable(true); // shows an actuator that the list does not hold
        (*box)->lineEdit()->setReadOnly(true);
        (*box)->setMinimumWidth(px(1000));
        auto* label = captionLabel(column, QString::fromLatin1(labelName), id, texts);
        label->setBuddy(*box);
        boxes->addWidget(label, 0, boxColumn);
        boxes->addWidget(*box, 1, boxColumn);
        ++boxColumn;
    }
    boxes->setColumnStretch(3, 1);
    grid->addLayout(boxes, line++, 1);

    PictureExpPara = named(new QWidget(column), QStringLiteral("PictureExpPara"));
    auto* details = new QGridLayout(PictureExpPara);
    details->setContentsMargins(0, 0, 0, 0);
    lblEmgWay = captionLabel(PictureExpPara, QStringLiteral("lblEmgWay"), 193, texts);
    lblEmgLogic = captionLabel(PictureExpPara, QStringLiteral("lblEmgLogic"), 190, texts);
    auto* way = new QHBoxLayout;
    emgWayGroup_ = optionGroup<2>(PictureExpPara, way, "optEmgWay", {195, 194}, optEmgWay, texts);
    way->addStretch();
    auto* logic = new QHBoxLayout;
    emgLogicGroup_ = optionGroup<2>(PictureExpPara, logic, "optEmgLogic", {192, 191}, optEmgLogic, texts);
    logic->addStretch();
    details->addWidget(lblEmgWay, 0, 0);
    details->addLayout(way, 0, 1);
    details->addWidget(lblEmgLogic, 1, 0);
    details->addLayout(logic, 1, 1);
    grid->addWidget(PictureExpPara, line++, 0, 1, 2);
    grid->setRowStretch(line, 1);
    return column;
}

QWidget* FrmParameta::buildCommandTabs() {
    const Texts& texts = ctx_.texts;
    ssTab2 = named(new QTabWidget(this), QStringLiteral("ssTab2"));
    auto addTab = [&](std::array<QPushButton**, 3> buttons, std::array<const char*, 3> names,
                      std::array<int, 3> ids) {
        auto* page = new QWidget(ssTab2);
        auto* row = new QHBoxLayout(page);
        for (std::size_t i = 0; i < 3; ++i) {
            *buttons[i] = commandButton(page, names[i], ids[i], texts);
            row->addWidget(*buttons[i]);
        }
        row->addStretch();
        ssTab2->addTab(page, QString());
    };
    addTab({&cmdReadParaFile, &cmdSaveParaFile, &cmdConpareFile},
           {"cmdReadParaFile", "cmdSaveParaFile", "cmdConpareFile"}, {80, 81, 82});
    addTab({&cmdParaRead, &cmdParaWrite, &cmdConpareCT}, {"cmdParaRead", "cmdParaWrite", "cmdConpareCT"},
           {77, 78, 79});
    return ssTab2;
}

void FrmParameta::buildControls() {
    const Texts& texts = ctx_.texts;
    setCaption(this, 51, texts);
    auto* layout = new QVBoxLayout(this);

    framParameta = named(new QGroupBox(this), QStringLiteral("framParameta"));
    setCaption(framParameta, 52, texts);
    auto* columns = new QHBoxLayout(framParameta);
    columns->addWidget(buildNumberColumn());
    columns->addSpacing(px(300));
    columns->addWidget(buildDeviceColumn(), 1);
    layout->addWidget(framParameta);

    auto* defaults = new QHBoxLayout;
    chkUseDefoult = named(new QCheckBox(this), QStringLiteral("chkUseDefoult"));
    setCaption(chkUseDefoult, 68, texts);
    lblDefoultPara = captionLabel(this, QStringLiteral("lblDefoultPara"), 53, texts);
    cmdLoadDefoultPara = commandButton(this, "cmdLoadDefoultPara", 54, texts);
    lblDefoultPara->setBuddy(cmdLoadDefoultPara);
    defaults->addWidget(chkUseDefoult);
    defaults->addStretch();
    defaults->addWidget(lblDefoultPara);
    defaults->addWidget(cmdLoadDefoultPara);
    layout->addLayout(defaults);

    layout->addWidget(buildCommandTabs());
    lblParaWinStatus = named(new QLabel(this), QStringLiteral("lblParaWinStatus"));
    lblParaWinStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblParaWinStatus->setMinimumHeight(px(300));
    layout->addWidget(lblParaWinStatus);
}

void FrmParameta::connectControls() {
    for (const ParameterRow& row : parameterRows()) {
        QLineEdit* field = textFields_[row.number];
        if (!field || field->isReadOnly())
            continue;
        const int number = row.number;
        connect(field, &QLineEdit::textEdited, this,
                [this, number](const QString& text) { model_.setText(number, text); });
    }
    connect(typeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            model_.optType_Click(id);
            showModel();
        }
    });
    connect(verticalGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            model_.optVertical_Click(id);
    });
    connect(emgWayGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            model_.form.emgWay = id;
    });
    connect(emgLogicGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            model_.form.emgLogic = id;
    });
    connect(comboActSize, &QComboBox::textActivated, this, [this](const QString& text) {
        model_.comboActSize_Click(text);
        showModel();
    });
    connect(comboActSpeed, &QComboBox::textActivated, this, [this](const QString& text) {
        model_.comboActSpeed_Click(text);
        showModel();
    });
    connect(comboActStroke, &QComboBox::textActivated, this, [this](const QString& text) {
        model_.comboActStroke_Click(text);
        showModel();
    });
    connect(chkUseDefoult, &QCheckBox::clicked, this, [this](bool checked) {
        model_.chkUseDefoult_Click(checked);
        showModel();
    });
    connect(cmdSelectDevice, &QPushButton::clicked, this, &FrmParameta::cmdSelectDevice_Click);
    connect(cmdLoadDefoultPara, &QPushButton::clicked, this, &FrmParameta::cmdLoadDefoultPara_Click);
    const std::array<std::pair<QPushButton*, ParameterCommand>, 6> commands = {{
        {cmdReadParaFile, ParameterCommand::ReadFile},
        {cmdSaveParaFile, ParameterCommand::SaveFile},
        {cmdConpareFile, ParameterCommand::VerifyFile},
        {cmdParaRead, ParameterCommand::ReadCt},
        {cmdParaWrite, ParameterCommand::WriteCt},
        {cmdConpareCT, ParameterCommand::VerifyCt},
    }};
    for (const auto& [button, command] : commands) {
        connect(button, &QPushButton::clicked, this, [this, button = button, command = command] {
            commands_.run(command);
            // The focus is given back where it was, not left in whichever field took it meanwhile.
            button->setFocus();
        });
    }
}

void FrmParameta::showModel() {
    const ParameterForm& form = model_.form;
    for (int number = 1; number < int(textFields_.size()); ++number) {
        QLineEdit* field = textFields_[number];
        if (field && field->text() != form.text[number])
            field->setText(form.text[number]);
    }
    check(verticalGroup_, form.vertical);
    check(typeGroup_, form.type);
    check(emgWayGroup_, form.emgWay);
    check(emgLogicGroup_, form.emgLogic);
    for (QRadioButton* option : optVertical)
        option->setEnabled(model_.homingEnabled);
    showCombo(comboActSize, model_.sizes, form.actSize);
    showCombo(comboActSpeed, model_.speeds, form.actSpeed);
    showCombo(comboActStroke, model_.strokes, form.actStroke);

    PictureExpPara->setVisible(model_.detailsShown);
    PictureExpPara->setEnabled(model_.detailsShown);
    for (QWidget* control : std::initializer_list<QWidget*>{optEmgWay[0], optEmgWay[1], optEmgLogic[0],
                                                            optEmgLogic[1], lblEmgWay, lblEmgLogic})
        control->setEnabled(model_.emergencyEnabled);
    chkUseDefoult->setChecked(form.useDefault);
    chkUseDefoult->setEnabled(model_.defaultCheckEnabled);
    cmdLoadDefoultPara->setEnabled(model_.defaultButtonEnabled && !model_.ParaBusyFlag);
    cmdSelectDevice->setEnabled(!model_.ParaBusyFlag);
    const std::initializer_list<QPushButton*> commandButtons = {
        cmdReadParaFile, cmdSaveParaFile, cmdConpareFile, cmdParaRead, cmdParaWrite, cmdConpareCT};
    // A button that is disabled would hand the focus on to a field, whose leave check would then run.
    if (!model_.commandButtonsEnabled &&
        std::find(commandButtons.begin(), commandButtons.end(), focusWidget()) != commandButtons.end())
        ssTab2->setFocus();
    for (QPushButton* button : commandButtons)
        button->setEnabled(model_.commandButtonsEnabled);
    setWindowTitle(model_.title);
    lblParaWinStatus->setText(model_.status);
}

void FrmParameta::setParaWinStatus(const QString& text) {
    model_.status = text;
    lblParaWinStatus->setText(text);
}

void FrmParameta::moveFocusOn(int number) {
    const char* next = parameterRow(number).enterMovesTo;
    if (auto* widget = next ? findChild<QWidget*>(QString::fromLatin1(next)) : nullptr)
        widget->setFocus(Qt::TabFocusReason);
}

bool FrmParameta::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    const ParameterRow* row = field ? rowOfWindowField(field->objectName()) : nullptr;
    if (!row || textFields_[row->number] != field)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int keyAscii = keyAsciiOf(static_cast<QKeyEvent*>(event));
        if (keyAscii < 0 || keyAscii == 9 || row->keyLength == 0) // Tab always moves the focus
            return false;
        if (keyAscii == 13) {
            moveFocusOn(row->number);
            return true;
        }
        return !model_.keyAccepted(row->number, int(field->text().size()), keyAscii);
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving the window or opening a menu is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            model_.leaveField(row->number);
            showModel();
        }
    }
    return false;
}

void FrmParameta::closeEvent(QCloseEvent* event) {
    if (model_.ParaBusyFlag && event->spontaneous()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void FrmParameta::cmdSelectDevice_Click() {
    FrmDevice calculator(ctx_, this);
    if (calculator.exec() != QDialog::Accepted)
        return;
    model_.setText(1, calculator.inputStroke());
    showModel();
}

void FrmParameta::cmdLoadDefoultPara_Click() {
    model_.cmdLoadDefoultPara_Click([this] {
        showModel();
        FrmDevice2 dialog(ctx_, catalogue_, this);
        dialog.exec();
        return dialog.cancelled();
    });
    showModel();
}

} // namespace zovi
