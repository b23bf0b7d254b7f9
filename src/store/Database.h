#pragma once

#include <QSqlDatabase>
#include <QString>

// The one connection of the program, named LibKeep, to Data/LibDB.db below the program
// directory. It is opened once at start and never creates a database in place of a
// missing one.
namespace Database {

inline constexpr char ConnectionName[] = "LibKeep";

// Data/LibDB.db below the current working directory.
QString defaultPath();

// Opens LibKeep on an existing database file of this program. Returns an empty text on
// success, otherwise why it failed.
QString open(const QString& path);
void close();
bool isOpen();
QSqlDatabase connection();
QString filePath();

// Creates a new database file with the whole schema; refuses to touch an existing file.
// Returns an empty text on success, otherwise why it failed.
QString create(const QString& path);

// Whether the file is a sound SQLite database holding every table of this program.
// Returns an empty text when it is, otherwise what is wrong.
QString checkFile(const QString& path);

} // namespace Database
