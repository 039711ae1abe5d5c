#include "app/MainDataSets.h"

#include "inhabitants/InhabitantStatements.h"
#include "journal/JournalStatements.h"
#include "language/LanguageStatements.h"
#include "notes/NoteStatements.h"
#include "parameters/ParameterStatements.h"
#include "photos/PhotoStatements.h"
#include "reminders/ReminderStatements.h"

#define REEFNOTE_DATASET(member, sql) member(db, QStringLiteral(#member), QString::fromUtf8(sql))

MainDataSets::MainDataSets(Database& db)
    : REEFNOTE_DATASET(RLanguageQuery, LanguageSql::RLanguageQuery)
    , REEFNOTE_DATASET(ELanguageQuery, LanguageSql::ELanguageQuery)
    , REEFNOTE_DATASET(DLanguageQuery, LanguageSql::DLanguageQuery)
    , REEFNOTE_DATASET(MeasuresTypeQuery, ParameterSql::MeasuresTypeQuery)
    , REEFNOTE_DATASET(MeasuresQuery, ParameterSql::MeasuresQuery)
    , REEFNOTE_DATASET(HydrobiontsQuery, InhabitantSql::HydrobiontsQuery)
    , REEFNOTE_DATASET(CatQuery, InhabitantSql::CatQuery)
    , REEFNOTE_DATASET(StatusQuery, InhabitantSql::StatusQuery)
    , REEFNOTE_DATASET(CatEditQuery, InhabitantSql::CatEditQuery)
    , REEFNOTE_DATASET(StatusEditQuery, InhabitantSql::StatusEditQuery)
    , REEFNOTE_DATASET(PhotoAlbumCategoryQuery, PhotoSql::PhotoAlbumCategoryQuery)
    , REEFNOTE_DATASET(PhotoalbumQuery, PhotoSql::PhotoalbumQuery)
    , DBISAMTable1(
          db, QStringLiteral("DBISAMTable1"),
          DataSet::tableSql(QString::fromUtf8(PhotoSql::SectionTable), QString::fromUtf8(PhotoSql::SectionFilter)))
    , MemosTable(db, QStringLiteral("MemosTable"), DataSet::tableSql(QString::fromUtf8(NoteSql::MemosTable)))
    , REEFNOTE_DATASET(RazRemQuery, ReminderSql::RazRemQuery)
    , REEFNOTE_DATASET(RazRemDoneQuery, ReminderSql::RazRemDoneQuery)
    , REEFNOTE_DATASET(PerRemQuery, ReminderSql::PerRemQuery)
    , REEFNOTE_DATASET(PerRemDoneQuery, ReminderSql::PerRemDoneQuery)
    , REEFNOTE_DATASET(JournalQuery, JournalSql::JournalQuery)
    , TempQuery(db, QStringLiteral("TempQuery"))
{}

#undef REEFNOTE_DATASET

void MainDataSets::openAtCreation()
{
    // The parameter list and the periodic reminders open at the first showing instead.
    for (DataSet* ds : {&RLanguageQuery, &ELanguageQuery, &DLanguageQuery, &MeasuresQuery, &HydrobiontsQuery, &CatQuery,
                        &StatusQuery, &CatEditQuery, &StatusEditQuery, &PhotoAlbumCategoryQuery, &PhotoalbumQuery,
                        &DBISAMTable1, &MemosTable, &RazRemQuery, &RazRemDoneQuery, &PerRemDoneQuery, &JournalQuery})
        ds->open();
}

void MainDataSets::closeAll()
{
    for (DataSet* ds : {&RLanguageQuery, &ELanguageQuery, &DLanguageQuery, &MeasuresQuery, &MeasuresTypeQuery,
                        &PerRemQuery, &PerRemDoneQuery, &RazRemQuery, &RazRemDoneQuery, &PhotoAlbumCategoryQuery,
                        &PhotoalbumQuery, &HydrobiontsQuery, &StatusQuery, &CatQuery, &StatusEditQuery, &CatEditQuery,
                        &JournalQuery, &MemosTable, &TempQuery})
        ds->close();
}
