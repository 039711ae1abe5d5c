#pragma once

#include "app/ControlValues.h"
#include "app/MainDataSets.h"
#include "controls/HandlerGuard.h"
#include "data/Database.h"
#include "language/CaptionTable.h"
#include "language/InterfaceLanguage.h"
#include "language/LanguageTexts.h"

#include <QImage>
#include <QMainWindow>

#include <memory>

struct AppServices;
struct MainMenu;
struct PhotoContext;
class AquariumJournal;
class JournalTab;
class Measurements;
class ParametersTab;
class QLabel;
class QTabWidget;
class QTimer;
class RemindersTab;
class TAboutBox;
class TEditReferenceForm;
class THydrobiontJournalForm;
class TPerRemForm;
class TRazRemForm;
class TSetupForm;
class TShowPhotoForm;
class TStopWatchForm;
class TVersionForm;
class TWatterParametersForm;

// The main window: owns the database connection, the data sets of the diary,
// the timers and the other windows. Each tab's controls and handlers live in
// the tab's own class; this window builds and wires them, runs the start-up
// and exit sequences and applies the interface language.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Opens the database in the program's folder and the data sets that are
    // open from creation; raises DatabaseError when that fails.
    explicit TMainForm(AppServices& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    QString GetLanguageWord(int identifier);
    void MakeLanguage();
    InterfaceLanguage currentLanguage() const;

    const QString& photosFolder() const { return m_photosFolder; }
    void setPhotosFolder(const QString& folder) { m_photosFolder = folder; }

    Database& database() { return *m_database; }
    MainDataSets& data() { return *m_data; }
    HandlerGuard& guard() { return m_guard; }
    CaptionTable& captions() { return m_captions; }
    ControlValues& controlValues() { return m_controlValues; }
    AppServices& services() { return m_services; }
    AquariumJournal& journal() { return *m_journal; }
    Measurements& measurements() { return *m_measurements; }
    PhotoContext& photoContext() { return *m_photoContext; }
    // Opens the full-size viewer on a picture file and returns when it closes.
    void ShowPhotoFullSize(const QString& path);

    // Controls of the frame.
    MainMenu* menu() const { return m_menu.get(); }
    QTabWidget* MainPageControl;
    ParametersTab* TabSheet1;
    JournalTab* TabSheet8;
    QWidget *TabSheet2, *TabSheet3, *TabSheet4;
    RemindersTab* TabSheet6;
    QLabel* StatusBarPanel;
    QWidget* WarningPanel;
    QTimer *Timer1, *Timer2, *VersionTimer;
    QImage NoImageImage, WrongWayImage;

    // The other windows, created once in this order.
    TWatterParametersForm* WatterParametersForm;
    TEditReferenceForm* EditReferenceForm;
    TRazRemForm* RazRemForm;
    TShowPhotoForm* ShowPhotoForm;
    TPerRemForm* PerRemForm;
    TStopWatchForm* StopWatchForm;
    THydrobiontJournalForm* HydrobiontJournalForm;
    TAboutBox* AboutBox;
    TSetupForm* SetupForm;
    TVersionForm* VersionForm;

    bool firstShowPending = true;
    bool startMinimizedPending = true;
    bool refreshing = false;

    // Handlers.
    void FormShow();
    void FormCloseQuery();
    void FormClose();
    void FormResize();
    void N25Click();
    void N26Click();
    void N27Click();
    void N6Click();
    void N2Click();
    void Timer1Timer();
    void Timer2Timer();
    void VersionTimerTimer();

Q_SIGNALS:
    // The window has closed and written its settings: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildFrame();
    void buildTabs();
    void buildTimers();
    void createWindows();
    void wireMenu();
    void addCaptionRows();
    void defineControlValues();
    void firstShowing();
    void restoreBounds();
    void checkLanguage(QAction* item);

    AppServices& m_services;
    HandlerGuard m_guard;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<MainDataSets> m_data;
    std::unique_ptr<LanguageTexts> m_texts;
    std::unique_ptr<AquariumJournal> m_journal;
    std::unique_ptr<Measurements> m_measurements;
    std::unique_ptr<PhotoContext> m_photoContext;
    std::unique_ptr<MainMenu> m_menu;
    CaptionTable m_captions;
    ControlValues m_controlValues;
    QString m_photosFolder;
};
