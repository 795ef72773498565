// 戻す and やり直し: the journal's undo and redo of the user's actions.
#include "board/frmAllGamen.h"
#include "program/Program.h"

namespace board {

void frmAllGamen::cmdModosu_Click() { program_.journal().undo(); }

void frmAllGamen::cmdYarinaosi_Click() { program_.journal().redo(); }

void frmAllGamen::ShowUndoState() {
    cmdModosu.setEnabled(program_.journal().canUndo());
    cmdYarinaosi.setEnabled(program_.journal().canRedo());
}

}  // namespace board
