// The grid window's problem collection button and menu entry.
#include "collection/frmMondai.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"

namespace grid {

void frmMozelAuto::Command21_Click() {
    auto& mondai = program_.frmMondai();
    mondai.setTop(7740);
    mondai.setLeft(300);
    mondai.Show();
    Wa45All();
    cmdOnajiSuuji_Click();
}

}  // namespace grid
