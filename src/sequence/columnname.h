#pragma once

#include <QString>

// The name of a table column as the operator reads it in a message ("Dauer", "Text Nr."),
// in the language of the installed translation.
QString columnName(int column);
