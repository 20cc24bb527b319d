#pragma once

#include <QString>

// Where Ampra keeps its data: the log, the data store and the old history file.
class ApplicationFolder {
public:
    static QString path();
};
