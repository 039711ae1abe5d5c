#pragma once

#include "data/DataSet.h"

#include <memory>
#include <vector>

// The data sets and scratch query the main window owns, with the rule of which
// open from its creation. Opening them is also what checks at start that the
// tables they read are there.
class MainDataSets {
public:
    explicit MainDataSets(Database& db);

    // Opens every data set that is open from the creation of the main window.
    // Raises DatabaseError when one cannot open (a missing table).
    void openAtCreation();
    // Closes the main window's data sets in the order the program closes them at exit.
    void closeAll();

    DataSet RLanguageQuery, ELanguageQuery, DLanguageQuery;
    DataSet MeasuresTypeQuery, MeasuresQuery;
    DataSet HydrobiontsQuery, CatQuery, StatusQuery, CatEditQuery, StatusEditQuery;
    DataSet PhotoAlbumCategoryQuery, PhotoalbumQuery, DBISAMTable1;
    DataSet MemosTable;
    DataSet RazRemQuery, RazRemDoneQuery, PerRemQuery, PerRemDoneQuery;
    DataSet JournalQuery;
    DataSet TempQuery;
};
