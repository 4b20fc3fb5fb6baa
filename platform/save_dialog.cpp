#include "save_dialog.h"

#include <QApplication>
#include <QFileDialog>

#include <utility>

namespace platform {
namespace {

std::optional<QString> runFileDialog(const SaveDialogSettings& settings) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOptions({}); // the overwrite prompt stays: it is on unless switched off
    dialog.setDefaultSuffix(settings.defaultSuffix);
    dialog.setNameFilter(settings.nameFilter);
    dialog.selectFile(settings.proposedName);
    // selectedFiles() is filled even after a cancel: only an accepted dialog gives a name.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

SaveDialogRunner& installedRunner() {
    static SaveDialogRunner runner = runFileDialog;
    return runner;
}

} // namespace

std::optional<QString> runSaveDialog(const SaveDialogSettings& settings) {
    const SaveDialogRunner runner = installedRunner();
    return runner(settings);
}

SaveDialogRunner setSaveDialogRunner(SaveDialogRunner runner) {
    if (!runner)
        runner = runFileDialog;
    return std::exchange(installedRunner(), std::move(runner));
}

} // namespace platform
