#pragma once

// The integer codes are what the settings screen stores with its choices.
enum class BackupImportMode {
    SkipExisting = 0,    // rows already in the database stay as they are
    ReplaceExisting = 1, // the backup's rows overwrite rows with the same id
    KeepNewer = 2,       // the backup's row wins only when its updated_at is later
};
