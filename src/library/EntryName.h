#pragma once
// A library entry's name becomes the name of its three files in Save/Clip/, so a name that
// would leave that folder or that the file system would refuse is turned away before any
// file is touched. Names that are merely unusual (blanks, Japanese, emoji) are fine.
#include <QString>
#include <optional>

// Why the name cannot be used, as the message the user sees; nothing when it can.
std::optional<QString> EntryNameProblem(const QString& name);
