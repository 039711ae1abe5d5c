#include "parameters/TWatterParametersForm.h"

#include "controls/CalcEdit.h"
#include "controls/DataGrid.h"
#include "controls/DataSetModel.h"
#include "controls/HandlerGuard.h"
#include "controls/LabeledEdit.h"
#include "controls/Prompter.h"
#include "controls/SpinButtonPair.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
const QString kId = QStringLiteral("ID");
const QString kParam = QStringLiteral("PARAM");
const QString kComment = QStringLiteral("COMMENT");
const QString kDef = QStringLiteral("DEF");
const QString kStep = QStringLiteral("STEP");
const QString kTemplate = QStringLiteral("TEMPLATE");

const QString kNewTemplate = QStringLiteral("$$ = %%");
const QString kFullTemplate = QStringLiteral("$$ = %% (##)");

// Widths of the columns in the parameter table.
constexpr int kNameLength = 15;
constexpr int kCommentLength = 25;
constexpr int kTemplateLength = 25;

template <class W> auto captionOf(W* widget)
{
    return [widget](const QString& text) { widget->setText(text); };
}
} // namespace

TWatterParametersForm::TWatterParametersForm(Database& db, DataSet& mainParameterList, HandlerGuard& guard,
                                             Prompter& prompter, QWidget* parent)
    : CaptionedDialog(QStringLiteral("TWatterParametersForm"), QStringLiteral("Параметры воды"), 1700, parent)
    , m_guard(guard)
    , m_prompter(prompter)
    , m_definitions(db, mainParameterList)
    , m_saveCaption(QStringLiteral("Записать изменения"))
    , m_addCaption(QStringLiteral("Добавить"))
{
    // A fixed-size dialog with the system menu only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(608, 552);

    DataSet& list = m_definitions.list();
    list.setVisible(kId, false);
    list.setDisplayLabel(kParam, QStringLiteral("Параметр"));
    list.setDisplayLabel(kDef, QStringLiteral("По умолчанию"));
    list.setDisplayLabel(kStep, QStringLiteral("Шаг"));
    list.setDisplayLabel(kTemplate, QStringLiteral("Шаблон"));
    list.setDisplayLabel(kComment, QStringLiteral("Комментарий"));
    // Wide enough for the titles, which are longer than the numbers below them.
    list.setDisplayWidth(kDef, 13);
    list.setDisplayWidth(kStep, 8);

    buildControls();
    wireHandlers();
}

TWatterParametersForm::~TWatterParametersForm()
{
    // The list dies with the members, before the grid (a child) does: the
    // grid must not read it on the way.
    DBISAMDBGrid1->setDataSet(nullptr);
}

void TWatterParametersForm::buildControls()
{
    DBISAMDBGrid1 = new DataGrid(m_guard, this);
    DBISAMDBGrid1->setObjectName(QStringLiteral("DBISAMDBGrid1"));
    DBISAMDBGrid1->setDataSet(&m_definitions.list());
    DBISAMDBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);

    DeletePopupMenu = new QMenu(this);
    DeletePopupMenu->setObjectName(QStringLiteral("DeletePopupMenu"));
    N10 = DeletePopupMenu->addAction(QStringLiteral("Удалить параметр"));
    N10->setObjectName(QStringLiteral("N10"));
    N10->setShortcut(QKeySequence(Qt::Key_Delete));
    // The shortcut works while the grid has focus, as the pop-up menu's own
    // would; in the edit fields Delete keeps deleting characters.
    N10->setShortcutContext(Qt::WidgetShortcut);
    DBISAMDBGrid1->addAction(N10);

    SpinButton1 = new SpinButtonPair(this);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = new QRadioButton(QStringLiteral("Редактирование"), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Новый параметр"), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));

    Label1 = new QLabel(QStringLiteral("Параметр"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(kNameLength);
    Label1->setBuddy(Edit1);

    Label2 = new QLabel(QStringLiteral("По умолчанию"), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    RxCalcEdit1 = new CalcEdit(GroupBox1);
    RxCalcEdit1->setObjectName(QStringLiteral("RxCalcEdit1"));
    Label2->setBuddy(RxCalcEdit1);

    Label4 = new QLabel(QStringLiteral("Шаг"), GroupBox1);
    Label4->setObjectName(QStringLiteral("Label4"));
    RxCalcEdit2 = new CalcEdit(GroupBox1);
    RxCalcEdit2->setObjectName(QStringLiteral("RxCalcEdit2"));
    Label4->setBuddy(RxCalcEdit2);

    LabeledEdit1 = new LabeledEdit(QStringLiteral("Комментарий"), GroupBox1);
    LabeledEdit1->setObjectName(QStringLiteral("LabeledEdit1"));
    LabeledEdit1->setMaxLength(kCommentLength);

    LabeledEdit2 = new LabeledEdit(QStringLiteral("Шаблон для журнала аквариума"), GroupBox1);
    LabeledEdit2->setObjectName(QStringLiteral("LabeledEdit2"));
    LabeledEdit2->setMaxLength(kTemplateLength);
    LabeledEdit2->setText(kNewTemplate);

    Button1 = new QPushButton(QStringLiteral("Сброс"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    BitBtn2 = new QPushButton(QStringLiteral("Записать изменения"), GroupBox1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"), GroupBox1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    // Enter in a field must not press a button by surprise: no button is the default.
    for (QPushButton* button : {Button1, BitBtn2, BitBtn1})
        button->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(DBISAMDBGrid1, 1);
    top->addWidget(SpinButton1);

    auto* fields = new QGridLayout(GroupBox1);
    fields->addWidget(RadioButton1, 0, 0);
    fields->addWidget(RadioButton2, 0, 1);
    fields->addWidget(Label1, 1, 0);
    fields->addWidget(Label2, 1, 1);
    fields->addWidget(Label4, 1, 2);
    fields->addWidget(Edit1, 2, 0);
    fields->addWidget(RxCalcEdit1, 2, 1);
    fields->addWidget(RxCalcEdit2, 2, 2);
    fields->addWidget(LabeledEdit1, 3, 0, 1, 3);
    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(LabeledEdit2, 1);
    templateRow->addWidget(Button1, 0, Qt::AlignBottom);
    fields->addLayout(templateRow, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    fields->addLayout(buttons, 5, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(GroupBox1);
}

void TWatterParametersForm::wireHandlers()
{
    // A plain callback: an error while filling the fields reaches the guard of
    // whatever opened or moved the list.
    m_definitions.list().onCurrentRowChanged([this] { DataSource1DataChange(); });
    // The columns' order is the design's, not the table's; the grid's header
    // loses it whenever the column count changes, so it is set after each reset.
    connect(DBISAMDBGrid1->dataModel(), &QAbstractItemModel::modelReset, this,
            m_guard.slot([this] { arrangeColumns(); }));
    arrangeColumns();

    connect(DBISAMDBGrid1, &QWidget::customContextMenuRequested, this, m_guard.slot([this](const QPoint& pos) {
        DeletePopupMenu->popup(DBISAMDBGrid1->viewport()->mapToGlobal(pos));
    }));
    connect(N10, &QAction::triggered, this, m_guard.slot([this] { N10Click(); }));
    connect(SpinButton1, &SpinButtonPair::upClicked, this, m_guard.slot([this] { SpinButton1UpClick(); }));
    connect(SpinButton1, &SpinButtonPair::downClicked, this, m_guard.slot([this] { SpinButton1DownClick(); }));

    // A check set from code runs the handler as a click does; only the button
    // that becomes checked reports, so each change runs it once.
    for (QRadioButton* radio : {RadioButton1, RadioButton2}) {
        connect(radio, &QRadioButton::toggled, this, m_guard.slot([this](bool checked) {
            if (checked)
                RadioButton2Click();
        }));
    }

    connect(Edit1, &QLineEdit::textChanged, this, m_guard.slot([this] { Edit1Change(); }));
    // Typing counts at once, before the number field evaluates it; a value set
    // from code or evaluated counts when it differs from the last one.
    for (CalcEdit* number : {RxCalcEdit1, RxCalcEdit2}) {
        connect(number, &QLineEdit::textEdited, this, m_guard.slot([this] { RxCalcEdit1Change(); }));
        connect(number, &CalcEdit::valueChanged, this, m_guard.slot([this] { RxCalcEdit1Change(); }));
    }
    for (LabeledEdit* text : {LabeledEdit1, LabeledEdit2})
        connect(text, &LabeledEdit::textChanged, this, m_guard.slot([this] { RxCalcEdit1Change(); }));

    connect(Button1, &QPushButton::clicked, this, m_guard.slot([this] { Button1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, m_guard.slot([this] { BitBtn2Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, m_guard.slot([this] { accept(); }));
}

void TWatterParametersForm::addCaptions(const Register& add)
{
    CaptionedDialog::addCaptions(add);
    add(1701, captionOf(RadioButton1));
    add(1702, captionOf(RadioButton2));
    add(1703, captionOf(Label1));
    add(1704, captionOf(Label2));
    add(1705, captionOf(Label4));
    add(1706, [this](const QString& text) { LabeledEdit1->setLabelText(text); });
    add(1707, [this](const QString& text) { LabeledEdit2->setLabelText(text); });
    add(1708, captionOf(Button1));
    add(1709, captionOf(BitBtn1));
    // The save button's caption follows the mode: both texts are kept, and
    // the one of the current mode is shown now and at every mode change.
    add(1710, [this](const QString& text) {
        m_saveCaption = text;
        if (!newMode())
            BitBtn2->setText(text);
    });
    add(1711, [this](const QString& text) {
        m_addCaption = text;
        if (newMode())
            BitBtn2->setText(text);
    });
    DataSet& list = m_definitions.list();
    const std::pair<int, QString> columns[] = {
        {1712, kParam}, {1713, kDef}, {1714, kStep}, {1715, kTemplate}, {1716, kComment}};
    for (const auto& [id, field] : columns)
        add(id, [&list, field](const QString& text) { list.setDisplayLabel(field, text); });
}

void TWatterParametersForm::closeDataSets()
{
    m_definitions.closeDataSets();
}

void TWatterParametersForm::showEvent(QShowEvent* event)
{
    CaptionedDialog::showEvent(event);
    // A window restored by the system is no new showing.
    if (event->spontaneous())
        return;
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    m_guard.run([this] { FormShow(); });
}

void TWatterParametersForm::hideEvent(QHideEvent* event)
{
    CaptionedDialog::hideEvent(event);
    if (!event->spontaneous())
        m_guard.run([this] { FormClose(); });
}

bool TWatterParametersForm::newMode() const
{
    return RadioButton2->isChecked();
}

void TWatterParametersForm::arrangeColumns()
{
    const DataSet& list = m_definitions.list();
    QHeaderView* header = DBISAMDBGrid1->horizontalHeader();
    int visual = 0;
    for (const QString& field : {kParam, kDef, kStep, kTemplate, kComment}) {
        const int logical = list.fieldIndex(field);
        if (logical < 0 || logical >= header->count())
            continue; // not known before the first open
        const int from = header->visualIndex(logical);
        if (from != visual)
            header->moveSection(from, visual);
        ++visual;
    }
}

void TWatterParametersForm::fillFromCurrentRow(bool withTemplate)
{
    const DataSet& list = m_definitions.list();
    RxCalcEdit1->setValue(list.asFloat(kDef));
    RxCalcEdit2->setValue(list.asFloat(kStep));
    LabeledEdit1->setText(list.asString(kComment));
    if (withTemplate)
        LabeledEdit2->setText(list.asString(kTemplate));
    Edit1->setText(list.asString(kParam));
}

void TWatterParametersForm::FormShow()
{
    m_definitions.list().open();
}

void TWatterParametersForm::FormClose()
{
    m_definitions.list().close();
}

void TWatterParametersForm::DataSource1DataChange()
{
    if (!m_definitions.list().isEmpty()) {
        N10->setEnabled(true);
        RadioButton1->setEnabled(true);
    } else {
        // Nothing to edit: only new mode is left, until rows come back.
        N10->setEnabled(false);
        RadioButton2->setChecked(true);
        RadioButton1->setEnabled(false);
    }
    // In new mode the fields are the user's; moving through the list leaves them.
    if (newMode())
        return;
    fillFromCurrentRow(true);
    // Filling the fields enabled the button on the way.
    BitBtn2->setEnabled(false);
}

void TWatterParametersForm::RadioButton2Click()
{
    if (newMode()) {
        Edit1->clear();
        LabeledEdit1->setText(QString());
        RxCalcEdit1->setValue(0.0);
        RxCalcEdit2->setValue(1.0);
        BitBtn2->setText(m_addCaption);
    } else {
        BitBtn2->setText(m_saveCaption);
        // The template is refreshed at the next row change, not here.
        fillFromCurrentRow(false);
    }
    BitBtn2->setEnabled(false);
}

void TWatterParametersForm::Edit1Change()
{
    // A parameter is added only with a name; an existing one may be emptied.
    BitBtn2->setEnabled(newMode() ? !Edit1->text().isEmpty() : true);
}

void TWatterParametersForm::RxCalcEdit1Change()
{
    if (!newMode())
        BitBtn2->setEnabled(true);
}

void TWatterParametersForm::BitBtn2Click()
{
    // A number typed without Enter counts as the user sees it.
    RxCalcEdit1->evaluateText();
    RxCalcEdit2->evaluateText();
    DataSet& list = m_definitions.list();
    if (!newMode()) {
        const int id = list.asInt(kId);
        m_definitions.UpdateParameter(id, Edit1->text(), LabeledEdit1->text(), RxCalcEdit1->value(),
                                      RxCalcEdit2->value(), LabeledEdit2->text());
        return;
    }
    m_definitions.AddParameter(Edit1->text(), LabeledEdit1->text(), RxCalcEdit1->value(), RxCalcEdit2->value(),
                               LabeledEdit2->text());
    Edit1->clear();
    LabeledEdit1->setText(QString());
    LabeledEdit2->setText(kNewTemplate);
    RxCalcEdit1->setValue(0.0);
    RxCalcEdit2->setValue(1.0);
    // Fixed, whatever the interface language.
    BitBtn2->setText(QStringLiteral("Добавить"));
    BitBtn2->setEnabled(false);
}

void TWatterParametersForm::N10Click()
{
    DataSet& list = m_definitions.list();
    if (list.isEmpty())
        return;
    const QString name = list.asString(kParam);
    if (!m_prompter.askYesNo(QStringLiteral("Вы уверены, что хотите удалить параметр ") + name + QStringLiteral(" ?")))
        return;
    if (!m_prompter.askYesNo(QStringLiteral("При удалении параметра ") + name +
                             QStringLiteral(" будут удалены результаты всех его измерений. Вы уверены ?")))
        return;
    m_definitions.DeleteParameter(list.asInt(kId));
}

void TWatterParametersForm::SpinButton1UpClick()
{
    moveParameter(false);
}

void TWatterParametersForm::SpinButton1DownClick()
{
    moveParameter(true);
}

void TWatterParametersForm::moveParameter(bool down)
{
    DataSet& list = m_definitions.list();
    if (list.isEmpty())
        return;
    const int a = list.asInt(kId);
    // At the last row (down) or the first (up) the list stays and B is A.
    if (down)
        list.next();
    else
        list.prior();
    const int b = list.asInt(kId);
    m_definitions.MoveParameter(a, b);
}

void TWatterParametersForm::Button1Click()
{
    LabeledEdit2->setText(kFullTemplate);
}
