#pragma once

#include <QString>

#include <optional>

namespace velmor {

// Where saved maps go.
struct MapsFolder {
    QString path;            // the "Graf" folder
    bool userFolder = false; // in the user's own data folder: made, user-only, on first save
    friend bool operator==(const MapsFolder&, const MapsFolder&) = default;
};

// A program whose own folder the user can write (a build tree, a portable copy) keeps "Graf"
// beside itself. An installed program, whose folder the user cannot write, saves into "Graf"
// in the user's own data folder.
MapsFolder chooseMapsFolder(const QString& programFolder, bool programFolderWritable,
                            const QString& userDataFolder);

// The choice for this program and user: its folder, whether the user may write there (never
// under /usr, which stays read-only at run time, even for root), and the application's data
// location (QStandardPaths::AppDataLocation, e.g. ~/.local/share/velmor-test).
MapsFolder mapsFolderOfThisProgram();

// Makes a missing user folder for maps, and any missing folder above it, readable and
// writable by the user alone (0700). A folder beside the program is never made: the build or
// the copy brings it. Returns what went wrong, naming the folder, or nothing.
std::optional<QString> prepareMapsFolder(const MapsFolder& folder);

} // namespace velmor
