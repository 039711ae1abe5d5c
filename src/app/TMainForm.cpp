#include "app/TMainForm.h"

#include "app/AppServices.h"
#include "app/Clock.h"
#include "app/MainMenu.h"
#include "app/Pictures.h"
#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"
#include "app/TSetupForm.h"
#include "app/TStartForm.h"
#include "inhabitants/TEditReferenceForm.h"
#include "journal/AquariumJournal.h"
#include "journal/JournalTab.h"
#include "journal/PhotoContext.h"
#include "parameters/Measurements.h"
#include "parameters/ParametersTab.h"
#include "photos/PictureLoader.h"
#include "journal/THydrobiontJournalForm.h"
#include "parameters/TWatterParametersForm.h"
#include "photos/TShowPhotoForm.h"
#include "reminders/RemindersTab.h"
#include "reminders/TPerRemForm.h"
#include "reminders/TRazRemForm.h"
#include "utilities/TAboutBox.h"
#include "utilities/TStopWatchForm.h"
#include "utilities/TVersionForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {

QString databasePath(const QString& programFolder)
{
    // The database lies in the program's folder, which is made the working
    // folder before connecting.
    QDir::setCurrent(programFolder);
    return programFolder + QStringLiteral("reefnote.db");
}

QWidget* newTab(const char* name)
{
    auto* tab = new QWidget;
    tab->setObjectName(QString::fromLatin1(name));
    return tab;
}

} // namespace

TMainForm::TMainForm(AppServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_guard(services.prompter)
    , m_database(std::make_unique<Database>(databasePath(services.programFolder), services.databaseAccess))
    , m_data(std::make_unique<MainDataSets>(*m_database))
    , m_journal(std::make_unique<AquariumJournal>(*m_database, m_data->JournalQuery, m_data->TempQuery))
    , m_measurements(std::make_unique<Measurements>(*m_database, m_data->MeasuresQuery, m_data->TempQuery, *m_journal))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Reefnote"));
    setWindowIcon(Pictures::programIcon());
    resize(971, 703);
    setMinimumSize(886, 703);

    buildFrame();
    buildTimers();
    m_texts = std::make_unique<LanguageTexts>(m_data->RLanguageQuery, m_data->ELanguageQuery, m_data->DLanguageQuery);
    m_data->openAtCreation();

    // FormCreate.
    QDir::setCurrent(m_services.programFolder);
    firstShowPending = true;
    startMinimizedPending = true;
    refreshing = false;

    createWindows();
    wireMenu();
    defineControlValues();
    addCaptionRows();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildFrame()
{
    m_menu = std::make_unique<MainMenu>(menuBar());
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    MainPageControl = new QTabWidget(this);
    MainPageControl->setObjectName(QStringLiteral("MainPageControl"));
    NoImageImage = Pictures::noImage();
    WrongWayImage = Pictures::wrongWay();
    buildTabs();
    TabSheet6 = new RemindersTab;
    TabSheet2 = newTab("TabSheet2");
    TabSheet3 = newTab("TabSheet3");
    TabSheet4 = newTab("TabSheet4");
    MainPageControl->addTab(TabSheet1, QStringLiteral("Параметры"));
    MainPageControl->addTab(TabSheet6, QStringLiteral("Напоминания"));
    MainPageControl->addTab(TabSheet8, QStringLiteral("Журнал аквариума"));
    MainPageControl->addTab(TabSheet2, QStringLiteral("Гидробионты"));
    MainPageControl->addTab(TabSheet3, QStringLiteral("Фотоальбомы"));
    MainPageControl->addTab(TabSheet4, QStringLiteral("Заметки"));
    setCentralWidget(MainPageControl);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    StatusBarPanel = new QLabel(this);
    StatusBarPanel->setObjectName(QStringLiteral("StatusBar1Panel"));
    StatusBarPanel->setFixedWidth(50);
    StatusBarPanel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    statusBar()->addWidget(StatusBarPanel);

    WarningPanel = new QLabel(this);
    WarningPanel->setObjectName(QStringLiteral("WarningPanel"));
    WarningPanel->setFixedSize(33, 33);
    WarningPanel->hide();
}

void TMainForm::buildTabs()
{
    m_photoContext.reset(new PhotoContext{
        m_guard, m_services.prompter, [this] { return m_photosFolder; }, [this](int id) { return GetLanguageWord(id); },
        [](const QString& path, const QSize& box) { return PictureLoader::load(path, box); },
        [this](const QString& path) { ShowPhotoFullSize(path); }, NoImageImage, WrongWayImage});
    TabSheet1 = new ParametersTab(
        {m_guard, m_services.prompter, m_services.clock, [this](int id) { return GetLanguageWord(id); }},
        m_data->MeasuresTypeQuery, m_data->MeasuresQuery, *m_measurements);
    TabSheet8 = new JournalTab(*m_journal, *m_photoContext, m_services.clock);
    TabSheet8->setLinks({[this](bool allowed) { TabSheet1->setAppendAllowed(allowed); },
                         [this] { TabSheet1->startNewJournalEntry(); }});
}

void TMainForm::ShowPhotoFullSize(const QString& path)
{
    ShowPhotoForm->ShowPhotoFullSize(path);
}

void TMainForm::buildTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, m_guard.slot([this] { Timer1Timer(); }));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(70000);
    connect(Timer2, &QTimer::timeout, this, m_guard.slot([this] { Timer2Timer(); }));
    Timer2->start();

    VersionTimer = new QTimer(this);
    VersionTimer->setObjectName(QStringLiteral("VersionTimer"));
    VersionTimer->setInterval(86400000);
    connect(VersionTimer, &QTimer::timeout, this, m_guard.slot([this] { VersionTimerTimer(); }));
    VersionTimer->start();
}

void TMainForm::createWindows()
{
    WatterParametersForm =
        new TWatterParametersForm(*m_database, m_data->MeasuresTypeQuery, m_guard, m_services.prompter, this);
    EditReferenceForm = new TEditReferenceForm(this);
    RazRemForm = new TRazRemForm(this);
    ShowPhotoForm = new TShowPhotoForm(this);
    PerRemForm = new TPerRemForm(this);
    StopWatchForm = new TStopWatchForm(this);
    HydrobiontJournalForm = new THydrobiontJournalForm(this);
    AboutBox = new TAboutBox(this);
    SetupForm = new TSetupForm(this);
    VersionForm = new TVersionForm(this);
}

void TMainForm::wireMenu()
{
    MainMenu& m = *m_menu;
    connect(m.N25, &QAction::triggered, this, m_guard.slot([this] { N25Click(); }));
    connect(m.N26, &QAction::triggered, this, m_guard.slot([this] { N26Click(); }));
    connect(m.N27, &QAction::triggered, this, m_guard.slot([this] { N27Click(); }));
    connect(m.N6, &QAction::triggered, this, m_guard.slot([this] { N6Click(); }));
    connect(m.AltF41, &QAction::triggered, this, m_guard.slot([this] { N6Click(); }));
    // A hidden menu item has no working shortcut in Qt, so Alt+F4 gets its own.
    auto* altF4 = new QShortcut(m.AltF41->shortcut(), this);
    altF4->setObjectName(QStringLiteral("AltF4Shortcut"));
    connect(altF4, &QShortcut::activated, this, m_guard.slot([this] { N6Click(); }));
    connect(m.N2, &QAction::triggered, this, m_guard.slot([this] { N2Click(); }));
    connect(m.N9, &QAction::triggered, this, m_guard.slot([this] { WatterParametersForm->exec(); }));
    connect(m.N5, &QAction::triggered, this, m_guard.slot([this] { EditReferenceForm->exec(); }));
    connect(m.N4, &QAction::triggered, this, m_guard.slot([this] { SetupForm->exec(); }));
    connect(m.N29, &QAction::triggered, this, m_guard.slot([this] { StopWatchForm->show(); }));
    connect(m.N3, &QAction::triggered, this, m_guard.slot([this] { AboutBox->exec(); }));
}

void TMainForm::defineControlValues()
{
    using Kind = ControlValues::Kind;
    ControlValues& v = m_controlValues;
    v.define(QStringLiteral("MEMOSNAMEGROUPBOXWIDTH"), 153, 100);
    v.define(QStringLiteral("PARAMGROUPBOXWIDTH"), 81, 30, 300);
    v.define(QStringLiteral("JOURNALTIMEGROUPBOXWIDTH"), 137, 30, 300);
    v.define(QStringLiteral("PHOTOALBUMPANELWIDTH"), 185, 50, 450);
    v.define(QStringLiteral("HYDROBIONTSLEFTPANELWIDTH"), 257, 150);
    v.define(QStringLiteral("HYDROBIONTSCATGROUPBOXWIDTH"), 133, 50, 300);
    v.define(QStringLiteral("JOURNALPHOTOGROUPBOXHEIGHT"), 150, 100);
    v.define(QStringLiteral("PERREMGROUPBOXHEIGHT"), 165, 80);
    v.define(QStringLiteral("RAZREMGROUPBOXHEIGHT"), 184, 80);
    v.define(QStringLiteral("HYDROBIONTNAMECOMBOBOXITEMINDEX"), 0, 0, 3);
    v.define(QStringLiteral("ADDJOURNALRECORD"), 1, 0, 1, Kind::Flag);
    v.define(QStringLiteral("LATINNAMESORTRADIOBUTTON"), 1, 0, 1, Kind::Flag);
    v.define(QStringLiteral("WATTERPARAMETERSPERIOD"), 30, 1, 300000);
    v.define(QStringLiteral("REMPAGECONTROLTABINDEX"), 1, 0, 1);
    v.define(QStringLiteral("MAINPAGECONTROLTABINDEX"), 0, 0, 5);
    TabSheet1->bindLayout(v);
    TabSheet8->bindLayout(v);
    v.bind(
        QStringLiteral("REMPAGECONTROLTABINDEX"), [this] { return TabSheet6->RemPageControl->currentIndex(); },
        [this](int i) { TabSheet6->RemPageControl->setCurrentIndex(i); });
    v.bind(
        QStringLiteral("MAINPAGECONTROLTABINDEX"), [this] { return MainPageControl->currentIndex(); },
        [this](int i) { MainPageControl->setCurrentIndex(i); });
}

void TMainForm::addCaptionRows()
{
    CaptionTable& t = m_captions;
    auto tab = [this](QTabWidget* tabs, QWidget* page) {
        return [tabs, page](const QString& text) { tabs->setTabText(tabs->indexOf(page), text); };
    };
    auto action = [](QAction* a) { return [a](const QString& text) { a->setText(text); }; };
    t.add(1, tab(MainPageControl, TabSheet1));
    t.add(2, tab(MainPageControl, TabSheet2));
    t.add(3, tab(MainPageControl, TabSheet3));
    t.add(4, tab(MainPageControl, TabSheet4));
    t.add(5, tab(MainPageControl, TabSheet6));
    t.add(6, tab(MainPageControl, TabSheet8));
    MainMenu& m = *m_menu;
    t.add(11, action(m.File1->menuAction()));
    t.add(12, action(m.N8->menuAction()));
    t.add(13, action(m.N1->menuAction()));
    t.add(15, action(m.N6));
    t.add(17, action(m.ray1));
    t.add(18, action(m.N9));
    t.add(19, action(m.N5));
    t.add(20, action(m.N4));
    t.add(21, action(m.N2));
    t.add(22, action(m.N3));
    t.add(23, action(m.N28->menuAction()));
    t.add(24, action(m.N29));
    TabSheet1->addCaptions(t);
    TabSheet8->addCaptions(t);
    t.add(1601, tab(TabSheet6->RemPageControl, TabSheet6->TabSheet5));
    t.add(1602, tab(TabSheet6->RemPageControl, TabSheet6->TabSheet7));

    const auto add = [&t](int id, std::function<void(const QString&)> setter) { t.add(id, std::move(setter)); };
    for (CaptionedDialog* window : std::initializer_list<CaptionedDialog*>{
             WatterParametersForm, EditReferenceForm, RazRemForm, ShowPhotoForm, PerRemForm, StopWatchForm,
             HydrobiontJournalForm, AboutBox, SetupForm, VersionForm})
        window->addCaptions(add);
}

InterfaceLanguage TMainForm::currentLanguage() const
{
    if (m_menu->N26->isChecked())
        return InterfaceLanguage::English;
    if (m_menu->N27->isChecked())
        return InterfaceLanguage::German;
    return InterfaceLanguage::Russian;
}

QString TMainForm::GetLanguageWord(int identifier)
{
    return m_texts->word(currentLanguage(), identifier);
}

void TMainForm::MakeLanguage()
{
    m_captions.apply([this](int id) { return GetLanguageWord(id); });
    // The reminder lists compute their unit words per row: read them again.
    m_data->PerRemQuery.close();
    m_data->PerRemQuery.open();
    m_data->RazRemQuery.close();
    m_data->RazRemQuery.open();
}

void TMainForm::checkLanguage(QAction* item)
{
    for (QAction* a : {m_menu->N25, m_menu->N26, m_menu->N27})
        a->setChecked(a == item);
}

void TMainForm::N25Click()
{
    checkLanguage(m_menu->N25);
    MakeLanguage();
}

void TMainForm::N26Click()
{
    checkLanguage(m_menu->N26);
    MakeLanguage();
}

void TMainForm::N27Click()
{
    checkLanguage(m_menu->N27);
    MakeLanguage();
}

void TMainForm::N6Click()
{
    close();
}

void TMainForm::N2Click()
{
    m_services.prompter.showMessage(QStringLiteral("Under construction..."));
}

void TMainForm::Timer1Timer() {}

void TMainForm::Timer2Timer() {}

void TMainForm::VersionTimerTimer() {}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TMainForm::FormShow()
{
    if (firstShowPending) {
        firstShowPending = false;
        // An error ends the first showing at its step; the window still shows.
        m_guard.run([this] { firstShowing(); });
    }
    // Every showing: the new-version check runs here once it exists.
}

void TMainForm::firstShowing()
{
    SettingsStore& store = m_services.settings;
    if (m_services.showSplash) {
        TStartForm splash;
        splash.exec();
        QCoreApplication::processEvents();
    }

    TabSheet1->showToday();
    TabSheet8->showToday();

    const std::optional<InterfaceLanguage> language =
        InterfaceLanguages::fromStored(store.readInteger(QStringLiteral("LANGUAGE")));
    if (language == InterfaceLanguage::German)
        checkLanguage(m_menu->N27);
    else if (language == InterfaceLanguage::English)
        checkLanguage(m_menu->N26);
    else if (language == InterfaceLanguage::Russian)
        checkLanguage(m_menu->N25);
    m_data->RLanguageQuery.open();
    MakeLanguage();

    m_photosFolder = ProgramFolders::establishPhotosFolder(store, m_services.programFolder);
    store.writeString(QStringLiteral("BASEPATH"), m_services.programFolder);

    if (store.isAvailable()) {
        restoreBounds();
        for (const char* name :
             {"MEMOSNAMEGROUPBOXWIDTH", "PARAMGROUPBOXWIDTH", "JOURNALTIMEGROUPBOXWIDTH", "PHOTOALBUMPANELWIDTH",
              "HYDROBIONTSLEFTPANELWIDTH", "HYDROBIONTSCATGROUPBOXWIDTH", "JOURNALPHOTOGROUPBOXHEIGHT",
              "PERREMGROUPBOXHEIGHT", "RAZREMGROUPBOXHEIGHT", "HYDROBIONTNAMECOMBOBOXITEMINDEX", "ADDJOURNALRECORD",
              "LATINNAMESORTRADIOBUTTON", "WATTERPARAMETERSPERIOD"})
            m_controlValues.load(store, QString::fromLatin1(name));
    }

    m_data->MeasuresTypeQuery.open();

    if (store.isAvailable()) {
        m_controlValues.load(store, QStringLiteral("REMPAGECONTROLTABINDEX"));
        m_controlValues.load(store, QStringLiteral("MAINPAGECONTROLTABINDEX"));
    }
    Timer1->start();
}

void TMainForm::restoreBounds()
{
    const SettingsStore& store = m_services.settings;
    const int top = store.readInteger(QStringLiteral("MAINFORMTOP"), 100);
    const int left = store.readInteger(QStringLiteral("MAINFORMLEFT"), 100);
    const int width = store.readInteger(QStringLiteral("MAINFORMWIDTH"), 914);
    const int height = store.readInteger(QStringLiteral("MAINFORMHEIGHT"), 705);
    move(left, top);
    resize(qMax(width, minimumWidth()), qMax(height, minimumHeight()));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    m_guard.run([this] { FormCloseQuery(); });
    m_guard.run([this] { FormClose(); });
    event->accept();
    QMainWindow::closeEvent(event);
    Q_EMIT closed();
}

void TMainForm::FormCloseQuery()
{
    Timer1->stop();
    m_data->closeAll();
    // The windows' own lists close here as their windows gain them.
    WatterParametersForm->closeDataSets();
    m_data->DBISAMTable1.close();
}

void TMainForm::FormClose()
{
    SettingsStore& store = m_services.settings;
    ControlValues& v = m_controlValues;
    v.save(store, QStringLiteral("MAINPAGECONTROLTABINDEX"));
    v.save(store, QStringLiteral("REMPAGECONTROLTABINDEX"));
    store.writeInteger(QStringLiteral("MAINFORMTOP"), y());
    store.writeInteger(QStringLiteral("MAINFORMLEFT"), x());
    store.writeInteger(QStringLiteral("MAINFORMWIDTH"), width());
    store.writeInteger(QStringLiteral("MAINFORMHEIGHT"), height());
    for (const char* name : {"MEMOSNAMEGROUPBOXWIDTH", "PARAMGROUPBOXWIDTH", "JOURNALTIMEGROUPBOXWIDTH",
                             "PHOTOALBUMPANELWIDTH", "HYDROBIONTSLEFTPANELWIDTH", "HYDROBIONTSCATGROUPBOXWIDTH",
                             "JOURNALPHOTOGROUPBOXHEIGHT", "RAZREMGROUPBOXHEIGHT", "PERREMGROUPBOXHEIGHT",
                             "HYDROBIONTNAMECOMBOBOXITEMINDEX", "LATINNAMESORTRADIOBUTTON", "ADDJOURNALRECORD"})
        v.save(store, QString::fromLatin1(name));
    store.writeInteger(QStringLiteral("LANGUAGE"),
                       InterfaceLanguages::storedCode(m_menu->N27->isChecked(), m_menu->N26->isChecked()));
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize()
{
    WarningPanel->move(width() - 45, menuBar()->height());
}
