#pragma once

class QDialog;

// Windows show their modal children (command windows, pickers, line-entry windows,
// previews) through runModal, never through QDialog::exec directly. A test installs its own
// runner, which answers the child the way a user would without entering a modal loop.
//
// The child usually frees itself on close (Qt::WA_DeleteOnClose): the caller must not touch
// it after runModal returns.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Shows the child modally and returns its result (QDialog::Accepted or Rejected, or
    // what the child passed to done()).
    virtual int run(QDialog* child) = 0;
};

int runModal(QDialog* child);

// Replaces the runner (nullptr: QDialog::exec again). Returns the previous one.
ModalRunner* setModalRunner(ModalRunner* runner);
