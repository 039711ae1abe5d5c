#include "parameters/ParametersTab.h"

#include "app/Clock.h"
#include "app/ControlValues.h"
#include "app/SplitterSetting.h"
#include "controls/CalcEdit.h"
#include "controls/CombineDateAndTime.h"
#include "controls/DataGrid.h"
#include "controls/DatePicker.h"
#include "controls/HandlerGuard.h"
#include "controls/LabeledEdit.h"
#include "controls/LineChart.h"
#include "controls/MomentPanel.h"
#include "controls/Named.h"
#include "controls/RunningClock.h"
#include "controls/SpinButtonPair.h"
#include "controls/TimePicker.h"
#include "data/DataSet.h"
#include "language/CaptionTable.h"
#include "parameters/HistoryBounds.h"
#include "parameters/JournalText.h"
#include "parameters/Measurements.h"
#include "parameters/TGraphForm.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* chartButton(const char* name, const QString& text, const QString& accessible)
{
    auto* button = named(new QToolButton, name);
    button->setText(text);
    button->setAccessibleName(accessible);
    button->setToolTip(accessible);
    return button;
}

// The longest comment a measurement keeps.
constexpr int kCommentLength = 512;

} // namespace

ParametersTab::ParametersTab(Services services, DataSet& parameters, DataSet& history, Measurements& measurements,
                             QWidget* parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_parameters(parameters)
    , m_history(history)
    , m_measurements(measurements)
{
    setObjectName(QStringLiteral("TabSheet1"));

    ParamGroupBox = named(new QGroupBox(QStringLiteral("Параметр")), "ParamGroupBox");
    ParamGroupBox->setMinimumWidth(30);
    ParamGroupBox->setMaximumWidth(300);
    DBISAMDBGrid1 = named(new DataGrid(m_services.guard), "DBISAMDBGrid1");
    DBISAMDBGrid1->horizontalHeader()->hide();
    for (const char* hidden : {"ID", "COMMENT", "DEF", "STEP", "TEMPLATE"})
        m_parameters.setVisible(QString::fromLatin1(hidden), false);
    DBISAMDBGrid1->setDataSet(&m_parameters);
    auto* listLayout = new QVBoxLayout(ParamGroupBox);
    listLayout->setContentsMargins(2, 2, 2, 2);
    listLayout->addWidget(DBISAMDBGrid1);

    GroupBox2 = named(new QGroupBox(QStringLiteral("Значения")), "GroupBox2");
    auto* values = new QHBoxLayout(GroupBox2);
    values->addWidget(buildHistory(), 1);
    values->addWidget(buildEntry());

    Splitter1 = named(new QSplitter(Qt::Horizontal), "Splitter1");
    Splitter1->addWidget(ParamGroupBox);
    Splitter1->addWidget(GroupBox2);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);

    auto* vertical = named(new QSplitter(Qt::Vertical), "ParametersChartSplitter");
    vertical->addWidget(Splitter1);
    vertical->addWidget(buildChart());
    vertical->setChildrenCollapsible(false);
    vertical->setStretchFactor(0, 3);
    vertical->setStretchFactor(1, 2);
    vertical->setSizes({390, 230});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(vertical);
    wire();
}

QWidget* ParametersTab::buildHistory()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    GroupBox22 = named(new QGroupBox(QStringLiteral("Период")), "GroupBox22");
    CheckBox5 = named(new QCheckBox(QStringLiteral("Вся история")), "CheckBox5");
    Label23 = named(new QLabel(QStringLiteral("С")), "Label23");
    Label24 = named(new QLabel(QStringLiteral("по")), "Label24");
    DateTimePicker9 = named(new DatePicker, "DateTimePicker9");
    DateTimePicker10 = named(new DatePicker, "DateTimePicker10");
    Label23->setBuddy(DateTimePicker9);
    Label24->setBuddy(DateTimePicker10);
    auto* period = new QHBoxLayout(GroupBox22);
    period->addWidget(CheckBox5);
    period->addSpacing(12);
    period->addWidget(Label23);
    period->addWidget(DateTimePicker9);
    period->addWidget(Label24);
    period->addWidget(DateTimePicker10);
    period->addStretch(1);
    layout->addWidget(GroupBox22);

    GroupBox3 = named(new QGroupBox(QStringLiteral("История")), "GroupBox3");
    MeasuresGrid = named(new DataGrid(m_services.guard), "MeasuresGrid");
    m_history.setVisible(QStringLiteral("ID"), false);
    m_history.setVisible(QStringLiteral("REF_P_TYPE"), false);
    m_history.setDisplayLabel(QStringLiteral("VALUE"), QStringLiteral("Значение"));
    m_history.setDisplayWidth(QStringLiteral("VALUE"), 12);
    m_history.setDisplayLabel(QStringLiteral("WHEN"), QStringLiteral("Дата"));
    m_history.setDisplayWidth(QStringLiteral("WHEN"), 23);
    m_history.setDisplayKind(QStringLiteral("WHEN"), FieldKind::DateTime);
    m_history.setDisplayLabel(QStringLiteral("COMMENT"), QStringLiteral("Комментарий"));
    m_history.setDisplayWidth(QStringLiteral("COMMENT"), 40);
    MeasuresGrid->setDataSet(&m_history);
    (new QVBoxLayout(GroupBox3))->addWidget(MeasuresGrid);
    layout->addWidget(GroupBox3, 1);

    MeasuresPopupMenu = named(new QMenu(this), "MeasuresPopupMenu");
    N7 = named(MeasuresPopupMenu->addAction(QStringLiteral("Удалить")), "N7");
    N7->setShortcut(QKeySequence::Delete);
    N7->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    N20 = named(MeasuresPopupMenu->addAction(QStringLiteral("Корректировать значение и комментарий")), "N20");
    MeasuresGrid->addAction(N7);
    MeasuresGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MeasuresGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { MeasuresPopupMenu->popup(MeasuresGrid->viewport()->mapToGlobal(at)); });
    return box;
}

QWidget* ParametersTab::buildEntry()
{
    GroupBox4 = named(new QGroupBox(QStringLiteral("Добавить")), "GroupBox4");
    GroupBox4->setFixedWidth(270);
    auto* layout = new QVBoxLayout(GroupBox4);
    layout->setSpacing(3);
    layout->setContentsMargins(6, 4, 6, 4);

    CheckBox6 = named(new QCheckBox(QStringLiteral(" Текущие дата/время")), "CheckBox6");
    CheckBox6->setChecked(true);
    layout->addWidget(CheckBox6);
    auto* moment =
        named(new MomentPanel([this] { return m_services.clock.now().toQDateTime(); }), "ParametersMomentPanel");
    Label1 = named(new QLabel(QStringLiteral("Дата:")), "Label1");
    Label2 = named(new QLabel(QStringLiteral("Время:")), "Label2");
    moment->setPickerLabels(Label1, Label2);
    DateTimePicker1 = named(moment->datePicker(), "DateTimePicker1");
    DateTimePicker2 = named(moment->timePicker(), "DateTimePicker2");
    Panel34 = named(moment->overlay(), "Panel34");
    Label6 = named(moment->todayLabel(), "Label6");
    RxClock1 = named(moment->clock(), "RxClock1");
    layout->addWidget(moment);

    Label3 = named(new QLabel(QStringLiteral("Значение:")), "Label3");
    RxCalcEdit1 = named(new CalcEdit, "RxCalcEdit1");
    Label3->setBuddy(RxCalcEdit1);
    RxSpinButton1 = named(new SpinButtonPair, "RxSpinButton1");
    auto* value = new QHBoxLayout;
    value->addWidget(Label3);
    value->addWidget(RxCalcEdit1, 1);
    value->addWidget(RxSpinButton1);
    layout->addLayout(value);

    LabeledEdit5 = named(new LabeledEdit(QStringLiteral("Комментарий:")), "LabeledEdit5");
    LabeledEdit5->setMaxLength(kCommentLength);
    layout->addWidget(LabeledEdit5);
    BitBtn17 = named(new QPushButton(QStringLiteral("Добавить")), "BitBtn17");
    layout->addWidget(BitBtn17);

    CheckBox7 = named(new QCheckBox(QStringLiteral("Добавить в журнал аквариума:")), "CheckBox7");
    CheckBox7->setChecked(true);
    layout->addWidget(CheckBox7);
    JournalModeGroup = named(new QGroupBox, "JournalModeGroup");
    RadioButton5 = named(new QRadioButton(QStringLiteral("Новая запись")), "RadioButton5");
    RadioButton8 = named(new QRadioButton(QStringLiteral("Добавить к последней")), "RadioButton8");
    RadioButton5->setChecked(true);
    auto* modes = new QVBoxLayout(JournalModeGroup);
    modes->addWidget(RadioButton5);
    modes->addWidget(RadioButton8);
    layout->addWidget(JournalModeGroup);
    Edit2 = named(new QLineEdit, "Edit2");
    Edit2->setAccessibleName(CheckBox7->text());
    layout->addWidget(Edit2);
    layout->addStretch(1);
    modes->setContentsMargins(6, 2, 6, 2);

    Panel15 = named(new QWidget, "Panel15");
    BitBtn7 = chartButton("BitBtn7", QStringLiteral("+"), QStringLiteral("Zoom in"));
    BitBtn8 = chartButton("BitBtn8", QStringLiteral("−"), QStringLiteral("Zoom out"));
    BitBtn9 = named(new QPushButton(QStringLiteral("100%")), "BitBtn9");
    SpeedButton4 = chartButton("SpeedButton4", QStringLiteral("◀"), QStringLiteral("Earlier"));
    SpeedButton7 = chartButton("SpeedButton7", QStringLiteral("▶"), QStringLiteral("Later"));
    SpeedButton5 = chartButton("SpeedButton5", QStringLiteral("▲"), QStringLiteral("Higher values"));
    SpeedButton6 = chartButton("SpeedButton6", QStringLiteral("▼"), QStringLiteral("Lower values"));
    auto* navigation = new QHBoxLayout(Panel15);
    navigation->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{BitBtn7, BitBtn8, BitBtn9, SpeedButton4, SpeedButton7,
                                                      SpeedButton5, SpeedButton6})
        navigation->addWidget(w);
    layout->addWidget(Panel15);
    return GroupBox4;
}

QWidget* ParametersTab::buildChart()
{
    GroupBox5 = named(new QGroupBox(QStringLiteral("График")), "GroupBox5");
    DBChart1 = named(new LineChart, "DBChart1");
    DBChart1->setMinimumHeight(150);
    DBChart1->bindTo(&m_history, QStringLiteral("WHEN"), QStringLiteral("VALUE"));
    BitBtn1 = chartButton("BitBtn1", QStringLiteral("⤢"), QStringLiteral("Enlarge the chart"));
    auto* grid = new QGridLayout(GroupBox5);
    grid->addWidget(DBChart1, 0, 0);
    grid->addWidget(BitBtn1, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    return GroupBox5;
}

void ParametersTab::wire()
{
    HandlerGuard& g = m_services.guard;
    m_parameters.onCurrentRowChanged([this] { MeasuresTypeDataSourceDataChange(); });
    m_history.onCurrentRowChanged([this] { MeasuresDataSourceDataChange(); });
    connect(RxSpinButton1, &SpinButtonPair::upClicked, this, g.slot([this] { RxSpinButton1TopClick(); }));
    connect(RxSpinButton1, &SpinButtonPair::downClicked, this, g.slot([this] { RxSpinButton1BottomClick(); }));
    connect(RxCalcEdit1, &CalcEdit::valueChanged, this, g.slot([this] { ComposeJournalLine(); }));
    connect(LabeledEdit5, &LabeledEdit::textChanged, this, g.slot([this] { ComposeJournalLine(); }));
    connect(CheckBox6, &QCheckBox::toggled, this, g.slot([this] { CheckBox6Click(); }));
    connect(CheckBox7, &QCheckBox::toggled, this, g.slot([this] { CheckBox7Click(); }));
    connect(RxClock1, &RunningClock::alarm, this, [this] { showToday(); });
    connect(BitBtn17, &QPushButton::clicked, this, g.slot([this] { BitBtn17Click(); }));
    connect(N20, &QAction::triggered, this, g.slot([this] { N20Click(); }));
    connect(N7, &QAction::triggered, this, g.slot([this] { N7Click(); }));
    connect(DateTimePicker9, &DatePicker::dateChanged, this, g.slot([this] { PeriodChange(); }));
    connect(DateTimePicker10, &DatePicker::dateChanged, this, g.slot([this] { PeriodChange(); }));
    connect(CheckBox5, &QCheckBox::toggled, this, g.slot([this] { CheckBox5Click(); }));
    connect(DBChart1, &LineChart::doubleClicked, this, g.slot([this] { DBChart1DblClick(); }));
    connect(BitBtn1, &QToolButton::clicked, this, g.slot([this] { DBChart1DblClick(); }));
    connect(BitBtn7, &QToolButton::clicked, this, [this] { DBChart1->zoom(110); });
    connect(BitBtn8, &QToolButton::clicked, this, [this] { DBChart1->zoom(90); });
    connect(BitBtn9, &QPushButton::clicked, this, [this] { resetChartZoom(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { DBChart1->shiftHorizontal(-5); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { DBChart1->shiftHorizontal(5); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { DBChart1->shiftVertical(5); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { DBChart1->shiftVertical(-5); });
}

void ParametersTab::addCaptions(CaptionTable& t)
{
    auto title = [](QGroupBox* box) { return [box](const QString& text) { box->setTitle(text); }; };
    auto caption = [](auto* w) { return [w](const QString& text) { w->setText(text); }; };
    auto column = [this](const char* field) {
        return [this, field](const QString& text) { m_history.setDisplayLabel(QString::fromLatin1(field), text); };
    };
    t.add(1101, title(ParamGroupBox));
    t.add(1102, title(GroupBox2));
    t.add(1103, title(GroupBox4));
    t.add(1104, title(GroupBox5));
    t.add(1105, title(GroupBox22));
    t.add(1106, caption(CheckBox6));
    t.add(1107, caption(Label1));
    t.add(1108, caption(Label2));
    t.add(1109, caption(Label3));
    t.add(1110, [this](const QString& text) { LabeledEdit5->setLabelText(text); });
    t.add(1111, caption(BitBtn17));
    t.add(1112, [this](const QString& text) {
        CheckBox7->setText(text);
        Edit2->setAccessibleName(text);
    });
    t.add(1113, caption(RadioButton5));
    t.add(1114, caption(RadioButton8));
    t.add(1115, title(GroupBox3));
    t.add(1116, caption(CheckBox5));
    t.add(1117, caption(Label23));
    t.add(1118, caption(Label24));
    t.add(1119, column("VALUE"));
    t.add(1120, column("WHEN"));
    t.add(1121, column("COMMENT"));
    t.add(3017, caption(N7));
    t.add(3018, caption(N20));
}

void ParametersTab::bindLayout(ControlValues& values)
{
    bindSplitterPane(values, QStringLiteral("PARAMGROUPBOXWIDTH"), Splitter1, 0, 400);
    values.bind(
        QStringLiteral("ADDJOURNALRECORD"), [this] { return CheckBox7->isChecked() ? 1 : 0; },
        [this](int on) { CheckBox7->setChecked(on == 1); });
    values.bind(QStringLiteral("WATTERPARAMETERSPERIOD"), {}, [this](int days) { setPeriodDays(days); });
}

void ParametersTab::setPeriodDays(int days)
{
    // The start-up values of the period are not a change of period by the user.
    const QSignalBlocker first(DateTimePicker9);
    const QSignalBlocker last(DateTimePicker10);
    const DateTime now = m_services.clock.now();
    DateTimePicker10->setDateTime(now);
    DateTimePicker9->setDateTime(now.addDays(-days));
}

void ParametersTab::showToday()
{
    Label6->setText(m_services.clock.today().toShortDateText());
}

void ParametersTab::setAppendAllowed(bool allowed)
{
    RadioButton8->setEnabled(allowed);
}

void ParametersTab::startNewJournalEntry()
{
    RadioButton5->setChecked(true);
    RadioButton8->setChecked(false);
}

void ParametersTab::MeasuresTypeDataSourceDataChange()
{
    BitBtn17->setEnabled(!m_parameters.isEmpty());
    const HistoryPeriod period =
        HistoryBounds(CheckBox5->isChecked(), DateTimePicker9->dateTime(), DateTimePicker10->dateTime());
    m_history.setParam(QStringLiteral("REF_P_TYPE"), m_parameters.asInt(QStringLiteral("ID")));
    m_history.setParam(QStringLiteral("FROMDATE"), period.from);
    m_history.setParam(QStringLiteral("TODATE"), period.to);
    m_history.close();
    m_history.open();
    LabeledEdit5->setText(QString());
    RxCalcEdit1->setValue(m_parameters.asFloat(QStringLiteral("DEF")));
    ComposeJournalLine();
    DBChart1->setTitle(m_parameters.asString(QStringLiteral("PARAM")));
    resetChartZoom();
}

void ParametersTab::resetChartZoom()
{
    // One redraw rather than two: a parameter change with a long history stays quick.
    DBChart1->resetAndZoom(90);
}

void ParametersTab::MeasuresDataSourceDataChange()
{
    N7->setEnabled(!m_history.isEmpty());
    N20->setEnabled(N7->isEnabled());
}

void ParametersTab::RxSpinButton1TopClick()
{
    RxCalcEdit1->setValue(RxCalcEdit1->value() + m_parameters.asFloat(QStringLiteral("STEP")));
}

void ParametersTab::RxSpinButton1BottomClick()
{
    RxCalcEdit1->setValue(RxCalcEdit1->value() - m_parameters.asFloat(QStringLiteral("STEP")));
}

void ParametersTab::ComposeJournalLine()
{
    Edit2->setText(ComposeJournalText(m_parameters.asString(QStringLiteral("TEMPLATE")),
                                      m_parameters.asString(QStringLiteral("PARAM")),
                                      SqlValues::formatNumber(RxCalcEdit1->value()), LabeledEdit5->text()));
}

void ParametersTab::CheckBox6Click()
{
    DateTimePicker1->setDateTime(m_services.clock.now());
    DateTimePicker2->setDateTime(m_services.clock.now());
    Panel34->setVisible(CheckBox6->isChecked());
}

void ParametersTab::CheckBox7Click()
{
    const bool on = CheckBox7->isChecked();
    Edit2->setEnabled(on);
    JournalModeGroup->setEnabled(on);
    RadioButton5->setEnabled(on);
    RadioButton8->setEnabled(on);
}

DateTime ParametersTab::pickedMoment() const
{
    return combineDateAndTime(*DateTimePicker1, *DateTimePicker2);
}

void ParametersTab::BitBtn17Click()
{
    // A value typed but not yet confirmed with Enter counts.
    RxCalcEdit1->evaluateText();
    Measurements::Entry entry;
    entry.parameterId = m_parameters.asInt(QStringLiteral("ID"));
    entry.value = RxCalcEdit1->value();
    const bool now = CheckBox6->isChecked();
    entry.moment = now ? m_services.clock.now() : pickedMoment();
    entry.comment = LabeledEdit5->text();
    entry.toJournal = CheckBox7->isChecked();
    entry.journalMode =
        RadioButton8->isChecked() ? Measurements::JournalMode::AppendToLatest : Measurements::JournalMode::NewEntry;
    entry.journalText = Edit2->text();
    entry.journalMoment = [this, now] { return now ? m_services.clock.now() : pickedMoment(); };
    m_measurements.AddMeasurement(entry);
    LabeledEdit5->setText(QString());
    RadioButton8->setChecked(true);
    RadioButton5->setChecked(false);
}

void ParametersTab::N20Click()
{
    RxCalcEdit1->evaluateText();
    if (m_history.isEmpty() || !m_services.prompter.askYesNo(m_services.word(1022)))
        return;
    m_measurements.CorrectMeasurement(m_history.asInt(QStringLiteral("ID")), RxCalcEdit1->value(),
                                      LabeledEdit5->text());
}

void ParametersTab::N7Click()
{
    if (m_history.isEmpty() || !m_services.prompter.askYesNo(m_services.word(1000)))
        return;
    m_measurements.DeleteMeasurement(m_history.asInt(QStringLiteral("ID")));
}

void ParametersTab::PeriodChange()
{
    const int id = m_parameters.asInt(QStringLiteral("ID"));
    m_parameters.close();
    m_parameters.open();
    m_parameters.locate(id);
}

void ParametersTab::CheckBox5Click()
{
    DateTimePicker9->setEnabled(!CheckBox5->isChecked());
    DateTimePicker10->setEnabled(!CheckBox5->isChecked());
    PeriodChange();
}

void ParametersTab::DBChart1DblClick()
{
    TGraphForm::openEnlarged(*DBChart1, m_parameters.asString(QStringLiteral("PARAM")), window());
}
