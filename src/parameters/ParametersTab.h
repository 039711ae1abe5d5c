#pragma once

#include "data/DateTime.h"

#include <QWidget>

#include <functional>

class CalcEdit;
class CaptionTable;
class Clock;
class ControlValues;
class DataGrid;
class DataSet;
class DatePicker;
class HandlerGuard;
class LabeledEdit;
class LineChart;
class Measurements;
class MomentPanel;
class Prompter;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSplitter;
class QToolButton;
class RunningClock;
class SpinButtonPair;
class TimePicker;

// The parameters tab: the list of water parameters, the entry of a new
// measurement (with its journal sentence), the history of the chosen period
// and its chart.
class ParametersTab : public QWidget {
    Q_OBJECT
public:
    struct Services {
        HandlerGuard& guard;
        Prompter& prompter;
        const Clock& clock;
        std::function<QString(int)> word;
    };

    ParametersTab(Services services, DataSet& parameters, DataSet& history, Measurements& measurements,
                  QWidget* parent = nullptr);

    void addCaptions(CaptionTable& table);
    void bindLayout(ControlValues& values);
    // The history period from start-up: the last day now, the first that many days before.
    void setPeriodDays(int days);
    void showToday();
    // Links from the journal tab.
    void setAppendAllowed(bool allowed);
    void startNewJournalEntry();

    // Handlers.
    void MeasuresTypeDataSourceDataChange();
    void MeasuresDataSourceDataChange();
    void RxSpinButton1TopClick();
    void RxSpinButton1BottomClick();
    void ComposeJournalLine();
    void CheckBox6Click();
    void CheckBox7Click();
    void BitBtn17Click();
    void N20Click();
    void N7Click();
    void PeriodChange();
    void CheckBox5Click();
    void DBChart1DblClick();

    QSplitter* Splitter1;
    QGroupBox* ParamGroupBox;
    DataGrid* DBISAMDBGrid1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox22;
    QCheckBox* CheckBox5;
    QLabel *Label23, *Label24;
    DatePicker *DateTimePicker9, *DateTimePicker10;
    QGroupBox* GroupBox3;
    DataGrid* MeasuresGrid;
    QMenu* MeasuresPopupMenu;
    QAction *N7, *N20;
    QGroupBox* GroupBox4;
    QCheckBox* CheckBox6;
    QLabel *Label1, *Label2, *Label3, *Label6;
    DatePicker* DateTimePicker1;
    TimePicker* DateTimePicker2;
    QWidget* Panel34;
    RunningClock* RxClock1;
    CalcEdit* RxCalcEdit1;
    SpinButtonPair* RxSpinButton1;
    LabeledEdit* LabeledEdit5;
    QPushButton* BitBtn17;
    QCheckBox* CheckBox7;
    QGroupBox* JournalModeGroup;
    QRadioButton *RadioButton5, *RadioButton8;
    QLineEdit* Edit2;
    QWidget* Panel15;
    QToolButton *BitBtn7, *BitBtn8, *SpeedButton4, *SpeedButton5, *SpeedButton6, *SpeedButton7;
    QPushButton* BitBtn9;
    QGroupBox* GroupBox5;
    LineChart* DBChart1;
    QToolButton* BitBtn1;

private:
    QWidget* buildEntry();
    QWidget* buildHistory();
    QWidget* buildChart();
    void wire();
    DateTime pickedMoment() const;
    void resetChartZoom();

    Services m_services;
    DataSet& m_parameters;
    DataSet& m_history;
    Measurements& m_measurements;
};
