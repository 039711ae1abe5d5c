#pragma once

#include <QWidget>

#include <functional>

class AquariumJournal;
class Clock;
class DataGrid;
class DataSet;
class DatePicker;
class FileNameEdit;
class HandlerGuard;
class PhotoField;
class PictureBox;
class Prompter;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QToolButton;
class RunningClock;
class TimePicker;
class CaptionTable;
class ControlValues;
struct PhotoContext;

// The aquarium journal tab: the list of entry moments, the text and photo of
// the current entry, and the strip that starts a new entry.
class JournalTab : public QWidget {
    Q_OBJECT
public:
    struct Links {
        // The measurement tab's "append to the latest" option follows whether the journal has entries.
        std::function<void(bool)> setAppendAllowed;
        // After a save, the next measurement written to the journal starts a new entry.
        std::function<void()> startNewMeasurementEntry;
    };

    JournalTab(AquariumJournal& journal, PhotoContext& photos, const Clock& clock, QWidget* parent = nullptr);

    void setLinks(Links links) { m_links = std::move(links); }
    void addCaptions(CaptionTable& table);
    void bindLayout(ControlValues& values);
    // Today's date on the clock panel; also at every midnight.
    void showToday();

    // Handlers.
    void JournalDataSourceDataChange();
    void BitBtn15Click();
    void JournalMemoChange();
    void BitBtn16Click();
    void N16Click();
    void Image3DblClick();
    void CheckBox4Click();

    QGroupBox* JOURNALTIMEGROUPBOX;
    DataGrid* DBISAMDBGrid10;
    QMenu* DeleteJournalPopupMenu;
    QAction* N16;
    QGroupBox* GroupBox29;
    QPlainTextEdit* JournalMemo;
    QLabel* Label5;
    FileNameEdit* FilenameEdit3;
    QToolButton* SpeedButton9;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn16;
    QGroupBox* JournalPhotoGroupBox;
    PictureBox* Image3;
    QPushButton* BitBtn15;
    QCheckBox* CheckBox4;
    DatePicker* DateTimePicker7;
    TimePicker* DateTimePicker8;
    QWidget* Panel39;
    QLabel* Label26;
    RunningClock* RxClock2;
    PhotoField* photoField;

private:
    void buildLayout();
    void wire();

    AquariumJournal& m_journal;
    DataSet& m_list;
    PhotoContext& m_photos;
    const Clock& m_clock;
    HandlerGuard& m_guard;
    QSplitter* m_mainSplitter;
    QSplitter* m_editorSplitter;
    Links m_links;
};
