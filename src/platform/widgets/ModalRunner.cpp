#include "platform/widgets/ModalRunner.h"

#include <QDialog>

namespace {

class ExecRunner : public ModalRunner {
public:
    int run(QDialog* child) override { return child->exec(); }
};

ExecRunner execRunner;
ModalRunner* current = &execRunner;

} // namespace

int runModal(QDialog* child) {
    return current->run(child);
}

ModalRunner* setModalRunner(ModalRunner* runner) {
    ModalRunner* previous = current == &execRunner ? nullptr : current;
    current = runner ? runner : &execRunner;
    return previous;
}
