#include "save_dialog.h"

#include "seam.h"

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

Seam<std::optional<QString>(const SaveDialogSettings&)>& dialogSeam() {
    static Seam<std::optional<QString>(const SaveDialogSettings&)> seam(runFileDialog);
    return seam;
}

} // namespace

std::optional<QString> runSaveDialog(const SaveDialogSettings& settings) {
    return dialogSeam()(settings);
}

SaveDialogRunner setSaveDialogRunner(SaveDialogRunner runner) {
    return dialogSeam().replace(std::move(runner));
}

} // namespace platform
