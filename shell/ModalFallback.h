#pragma once
// For dialogs whose default button may not close them (a file dialog with no name
// typed): while the modal test hook answers dialogs, a dialog still open after its
// default button was pressed is cancelled, so that nothing waits for a person.
class QDialog;

namespace gb {

void CancelIfStillOpenUnderEcho(QDialog& dialog);

} // namespace gb
