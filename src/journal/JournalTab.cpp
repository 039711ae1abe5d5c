#include "journal/JournalTab.h"

#include "app/Clock.h"
#include "app/SplitterSetting.h"
#include "controls/CombineDateAndTime.h"
#include "controls/DataGrid.h"
#include "controls/DatePicker.h"
#include "controls/FileNameEdit.h"
#include "controls/HandlerGuard.h"
#include "controls/MomentPanel.h"
#include "controls/Named.h"
#include "controls/PictureBox.h"
#include "controls/RunningClock.h"
#include "controls/TimePicker.h"
#include "data/DataSet.h"
#include "journal/AquariumJournal.h"
#include "journal/PhotoContext.h"
#include "journal/PhotoField.h"
#include "journal/PhotoReferences.h"
#include "language/CaptionTable.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The pictures the journal's file chooser offers.
constexpr char kPictureFilter[] =
    "All (*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|CompuServe GIF "
    "Image (*.gif)|*.gif|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|Icons "
    "(*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

} // namespace

JournalTab::JournalTab(AquariumJournal& journal, PhotoContext& photos, const Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_journal(journal)
    , m_list(journal.list())
    , m_photos(photos)
    , m_clock(clock)
    , m_guard(photos.guard)
{
    setObjectName(QStringLiteral("TabSheet8"));
    buildLayout();
    wire();
}

void JournalTab::buildLayout()
{
    JOURNALTIMEGROUPBOX = named(new QGroupBox(QStringLiteral("Дата и время")), "JOURNALTIMEGROUPBOX");
    JOURNALTIMEGROUPBOX->setMinimumWidth(30);
    JOURNALTIMEGROUPBOX->setMaximumWidth(300);
    DBISAMDBGrid10 = named(new DataGrid(m_guard), "DBISAMDBGrid10");
    DBISAMDBGrid10->horizontalHeader()->hide();
    m_list.setDisplayKind(QStringLiteral("EVENTTIME"), FieldKind::DateTime);
    for (const char* hidden : {"ID", "EVENTMEMO", "PHOTOFILE"})
        m_list.setVisible(QString::fromLatin1(hidden), false);
    DBISAMDBGrid10->setDataSet(&m_list);
    auto* listLayout = new QVBoxLayout(JOURNALTIMEGROUPBOX);
    // A narrow column: every pixel goes to the moments.
    listLayout->setContentsMargins(2, 2, 2, 2);
    listLayout->addWidget(DBISAMDBGrid10);

    DeleteJournalPopupMenu = named(new QMenu(this), "DeleteJournalPopupMenu");
    N16 = named(DeleteJournalPopupMenu->addAction(QStringLiteral("Удалить запись")), "N16");
    N16->setShortcut(QKeySequence::Delete);
    N16->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    DBISAMDBGrid10->addAction(N16);
    DBISAMDBGrid10->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBISAMDBGrid10, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { DeleteJournalPopupMenu->popup(DBISAMDBGrid10->viewport()->mapToGlobal(at)); });

    GroupBox29 = named(new QGroupBox(QStringLiteral("Запись")), "GroupBox29");
    JournalMemo = named(new QPlainTextEdit, "JournalMemo");
    JournalMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    JournalMemo->setAccessibleName(GroupBox29->title());
    Label5 = named(new QLabel(QStringLiteral("Фотография:")), "Label5");
    FilenameEdit3 = named(new FileNameEdit([this](const QString& filter, const QString& start) {
                              return m_photos.prompter.chooseOpenFile(filter, start);
                          }),
                          "FilenameEdit3");
    FilenameEdit3->setFilter(QString::fromUtf8(kPictureFilter));
    FilenameEdit3->setReadOnly(true);
    FilenameEdit3->setPlaceholderText(QStringLiteral("Choice File"));
    FilenameEdit3->setEnabled(false);
    Label5->setBuddy(FilenameEdit3);
    SpeedButton9 = named(new QToolButton, "SpeedButton9");
    SpeedButton9->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton9->setAccessibleName(QStringLiteral("Copy into the photos folder"));
    SpeedButton1 = named(new QToolButton, "SpeedButton1");
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    SpeedButton1->setAccessibleName(QStringLiteral("Clear the photo"));
    BitBtn16 = named(new QPushButton(QStringLiteral("Сохранить")), "BitBtn16");
    BitBtn16->setEnabled(false);
    auto* photoRow = new QHBoxLayout;
    photoRow->addWidget(Label5);
    photoRow->addWidget(FilenameEdit3, 1);
    photoRow->addWidget(SpeedButton9);
    photoRow->addWidget(SpeedButton1);
    photoRow->addWidget(BitBtn16);
    auto* editorLayout = new QVBoxLayout(GroupBox29);
    editorLayout->addWidget(JournalMemo, 1);
    editorLayout->addLayout(photoRow);

    JournalPhotoGroupBox = named(new QGroupBox(QStringLiteral("Фотография")), "JournalPhotoGroupBox");
    JournalPhotoGroupBox->setMinimumHeight(100);
    Image3 = named(new PictureBox, "Image3");
    auto* photoLayout = new QVBoxLayout(JournalPhotoGroupBox);
    photoLayout->addWidget(Image3);

    m_editorSplitter = named(new QSplitter(Qt::Vertical), "JournalEditorSplitter");
    m_editorSplitter->addWidget(GroupBox29);
    m_editorSplitter->addWidget(JournalPhotoGroupBox);
    m_editorSplitter->setStretchFactor(0, 1);
    m_editorSplitter->setChildrenCollapsible(false);

    m_mainSplitter = named(new QSplitter(Qt::Horizontal), "JournalSplitter");
    m_mainSplitter->addWidget(JOURNALTIMEGROUPBOX);
    m_mainSplitter->addWidget(m_editorSplitter);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setChildrenCollapsible(false);

    BitBtn15 = named(new QPushButton(QStringLiteral("Новая запись")), "BitBtn15");
    CheckBox4 = named(new QCheckBox(QStringLiteral("Сейчас")), "CheckBox4");
    CheckBox4->setChecked(true);
    auto* moment = named(new MomentPanel([this] { return m_clock.now().toQDateTime(); }), "JournalMomentPanel");
    DateTimePicker7 = named(moment->datePicker(), "DateTimePicker7");
    DateTimePicker8 = named(moment->timePicker(), "DateTimePicker8");
    DateTimePicker7->setEnabled(false);
    DateTimePicker8->setEnabled(false);
    Panel39 = named(moment->overlay(), "Panel39");
    Label26 = named(moment->todayLabel(), "Label26");
    RxClock2 = named(moment->clock(), "RxClock2");
    auto* strip = new QHBoxLayout;
    strip->addWidget(BitBtn15);
    strip->addWidget(CheckBox4);
    strip->addWidget(moment);
    strip->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_mainSplitter, 1);
    layout->addLayout(strip);

    photoField = new PhotoField(m_photos, FilenameEdit3, Image3, SpeedButton9, SpeedButton1,
                                PhotoField::FailurePreview::WrongPicture, this);
}

void JournalTab::wire()
{
    m_list.onCurrentRowChanged([this] { JournalDataSourceDataChange(); });
    connect(BitBtn15, &QPushButton::clicked, this, m_guard.slot([this] { BitBtn15Click(); }));
    connect(JournalMemo, &QPlainTextEdit::textChanged, this, m_guard.slot([this] { JournalMemoChange(); }));
    connect(BitBtn16, &QPushButton::clicked, this, m_guard.slot([this] { BitBtn16Click(); }));
    connect(N16, &QAction::triggered, this, m_guard.slot([this] { N16Click(); }));
    connect(Image3, &PictureBox::doubleClicked, this, m_guard.slot([this] { Image3DblClick(); }));
    connect(CheckBox4, &QCheckBox::toggled, this, m_guard.slot([this] { CheckBox4Click(); }));
    connect(RxClock2, &RunningClock::alarm, this, [this] { showToday(); });
    connect(photoField, &PhotoField::changed, this, [this] { BitBtn16->setEnabled(true); });
}

void JournalTab::addCaptions(CaptionTable& t)
{
    auto title = [](QGroupBox* box) { return [box](const QString& text) { box->setTitle(text); }; };
    t.add(1401, title(JOURNALTIMEGROUPBOX));
    t.add(1402, [this](const QString& text) {
        GroupBox29->setTitle(text);
        JournalMemo->setAccessibleName(text);
    });
    t.add(1403, title(JournalPhotoGroupBox));
    t.add(1404, [this](const QString& text) { BitBtn16->setText(text); });
    t.add(1405, [this](const QString& text) { CheckBox4->setText(text); });
    t.add(1406, [this](const QString& text) { BitBtn15->setText(text); });
    t.add(1407, [this](const QString& text) { Label5->setText(text); });
    t.add(3012, [this](const QString& text) { N16->setText(text); });
    // The pickers have no labels of their own: the words of the measurement entry name them.
    t.add(1107, [this](const QString& text) { DateTimePicker7->setAccessibleName(text); });
    t.add(1108, [this](const QString& text) { DateTimePicker8->setAccessibleName(text); });
}

void JournalTab::bindLayout(ControlValues& values)
{
    bindSplitterPane(values, QStringLiteral("JOURNALTIMEGROUPBOXWIDTH"), m_mainSplitter, 0, 200);
    bindSplitterPane(values, QStringLiteral("JOURNALPHOTOGROUPBOXHEIGHT"), m_editorSplitter, 1, 200);
}

void JournalTab::showToday()
{
    Label26->setText(m_clock.today().toShortDateText());
}

void JournalTab::JournalDataSourceDataChange()
{
    const bool hasEntries = !m_list.isEmpty();
    if (m_links.setAppendAllowed)
        m_links.setAppendAllowed(hasEntries);
    JournalMemo->setEnabled(hasEntries);
    FilenameEdit3->setEnabled(hasEntries);
    JournalMemo->setPlainText(m_list.asString(QStringLiteral("EVENTMEMO")));
    photoField->setReference(m_list.asString(QStringLiteral("PHOTOFILE")));
    N16->setEnabled(hasEntries);
    // Last: setting the text and the photo above each enabled it.
    BitBtn16->setEnabled(false);
}

void JournalTab::BitBtn15Click()
{
    const DateTime moment =
        CheckBox4->isChecked() ? m_clock.now() : combineDateAndTime(*DateTimePicker7, *DateTimePicker8);
    const int id = m_journal.AddJournalEntry(moment, QString());
    m_list.locate(id);
    JournalMemo->setFocus();
}

void JournalTab::JournalMemoChange()
{
    BitBtn16->setEnabled(true);
}

void JournalTab::BitBtn16Click()
{
    const int id = m_list.asInt(QStringLiteral("ID"));
    m_journal.SaveJournalEntry(id, JournalMemo->toPlainText(), photoField->reference());
    m_list.reopen();
    m_list.locate(id);
    if (m_links.startNewMeasurementEntry)
        m_links.startNewMeasurementEntry();
}

void JournalTab::N16Click()
{
    if (m_list.isEmpty())
        return;
    if (!m_photos.prompter.askYesNo(m_photos.word(1009)))
        return;
    m_journal.DeleteJournalEntry(m_list.asInt(QStringLiteral("ID")));
}

void JournalTab::Image3DblClick()
{
    const QString stored = m_list.asString(QStringLiteral("PHOTOFILE"));
    if (stored.isEmpty())
        return;
    m_photos.showFullSize(PhotoReferences::ResolvePhotoPath(m_photos.photosFolder(), stored));
}

void JournalTab::CheckBox4Click()
{
    const bool now = CheckBox4->isChecked();
    Panel39->setVisible(now);
    DateTimePicker7->setDateTime(m_clock.now());
    DateTimePicker8->setDateTime(m_clock.now());
    DateTimePicker7->setEnabled(!now);
    DateTimePicker8->setEnabled(!now);
}
