// The save-picture dialog, run through a runner that tests can replace.
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

struct SaveDialogSettings {
    QString defaultSuffix; // added to a name typed without an extension
    QString nameFilter;    // e.g. "Bitmaps (*.bmp)"
    QString proposedName;
};

// Runs the dialog modally: the chosen file as a full path, or nothing when the user cancels.
// Choosing an existing file asks the user to confirm replacing it.
using SaveDialogRunner = std::function<std::optional<QString>(const SaveDialogSettings&)>;

std::optional<QString> runSaveDialog(const SaveDialogSettings& settings);

// Installs a runner and returns the one it replaces; an empty runner restores the real dialog.
SaveDialogRunner setSaveDialogRunner(SaveDialogRunner runner);

} // namespace platform
