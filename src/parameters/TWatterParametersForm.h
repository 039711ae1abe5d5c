#pragma once

#include "controls/CaptionedDialog.h"
#include "parameters/ParameterDefinitions.h"

class CalcEdit;
class DataGrid;
class DataSet;
class Database;
class HandlerGuard;
class LabeledEdit;
class Prompter;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class SpinButtonPair;

// The editor of the water parameter definitions: add, change, delete and
// order them. Two modes chosen by the radio buttons: edit (the fields follow
// the current row, the button saves it) and new (the fields are free, the
// button adds). The main window's parameter list follows every change.
class TWatterParametersForm : public CaptionedDialog {
    Q_OBJECT
public:
    TWatterParametersForm(Database& db, DataSet& mainParameterList, HandlerGuard& guard, Prompter& prompter,
                          QWidget* parent = nullptr);
    ~TWatterParametersForm() override;

    void addCaptions(const Register& add) override;
    // Closes p_type_Query and TempQuery, for the main window's exit sequence.
    void closeDataSets();

    ParameterDefinitions& definitions() { return m_definitions; }

    // Controls.
    DataGrid* DBISAMDBGrid1;
    QMenu* DeletePopupMenu;
    QAction* N10;
    SpinButtonPair* SpinButton1;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    CalcEdit* RxCalcEdit1;
    QLabel* Label4;
    CalcEdit* RxCalcEdit2;
    LabeledEdit* LabeledEdit1;
    LabeledEdit* LabeledEdit2;
    QPushButton* Button1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;

    // Handlers.
    void FormShow();
    void FormClose();
    void DataSource1DataChange();
    // Bound to both radio buttons.
    void RadioButton2Click();
    void Edit1Change();
    // Bound to the default, step, comment and template fields.
    void RxCalcEdit1Change();
    void BitBtn2Click();
    void N10Click();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void wireHandlers();
    void arrangeColumns();
    void fillFromCurrentRow(bool withTemplate);
    void moveParameter(bool down);
    bool newMode() const;

    HandlerGuard& m_guard;
    Prompter& m_prompter;
    ParameterDefinitions m_definitions;
    // The save and add captions in the current language; the mode decides
    // which one the button shows.
    QString m_saveCaption;
    QString m_addCaption;
};
