#pragma once

// Statements of the photo album.
namespace PhotoSql {
inline constexpr char PhotoAlbumCategoryQuery[] = "SELECT * FROM REFERENCE WHERE REF_DIC=4 ORDER BY ID";
inline constexpr char PhotoalbumQuery[] =
    "SELECT * FROM PHOTOALBUM WHERE REF_REFERENCE=:REF_REFERENCE ORDER BY PHOTODATE DESC";
// The section picker reads the whole word table with this fixed filter.
inline constexpr char SectionTable[] = "REFERENCE";
inline constexpr char SectionFilter[] = "REF_DIC=4";
} // namespace PhotoSql
