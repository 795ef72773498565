// The main window's problem collection button.
#include "board/frmAllGamen.h"
#include "collection/frmMondai.h"
#include "program/Program.h"

namespace board {

void frmAllGamen::cmdMondai_Click() {
    auto& mondai = program_.frmMondai();
    mondai.setLeft(10300);
    mondai.setTop(10);
    mondai.Show();
}

}  // namespace board
