#include "app/ui/Screens.h"

#include "app/ui/MainWindow.h"
#include "backup/ui/FrmCopiaSeguranca.h"
#include "declaration/ui/FrmVexas.h"
#include "declfile/ui/FrmCopiaArquivos.h"
#include "declfile/ui/FrmImportaDados.h"
#include "declfile/ui/FrmImportaVersao96.h"
#include "indices/ui/FrmIndices.h"
#include "payment/ui/FrmGates.h"
#include "payment/ui/FrmDareAvulsas.h"
#include "print/ui/FrmOpcImpressao.h"
#include "registry/ui/FrmContribuintes.h"
#include "registry/ui/FrmResponsaveis.h"

namespace vexa::app {

// One line per screen, e.g.
//   window.setOpener(Command::Contribuintes, [](QWidget* p) { FrmContribuintes(p).exec(); });
// Commands not listed here are shown and do nothing yet.
void registerScreens(MainWindow& window) {
    window.setOpener(Command::Contribuintes, [](QWidget* p) { registry::ui::FrmContribuintes::open(p); });
    window.setOpener(Command::Contabilistas, [](QWidget* p) { registry::ui::FrmResponsaveis::open(p); });
    window.setOpener(Command::Vexa, [](QWidget* p) { decl::ui::FrmVexas::open(p); });
    window.setOpener(Command::Dare, [](QWidget* p) { payment::ui::FrmGates::open(p); });
    window.setOpener(Command::CopiarVexa, [](QWidget* p) { declfile::ui::FrmCopiaArquivos::open(p); });
    window.setOpener(Command::CopiaSeguranca, [](QWidget* p) { backup::ui::FrmCopiaSeguranca::open(p); });
    window.setOpener(Command::ImportarContabilidade, [](QWidget* p) { declfile::ui::FrmImportaDados::open(p); });
    window.setOpener(Command::ImportarVersao96, [](QWidget* p) { declfile::ui::FrmImportaVersao96::open(p); });
    window.setOpener(Command::SELIC, [](QWidget* p) { indices::ui::FrmIndices::openSelic(p); });
    window.setOpener(Command::IGPDI, [](QWidget* p) { indices::ui::FrmIndices::openIgpDi(p); });
    window.setOpener(Command::DareAvulso, [](QWidget* p) { payment::ui::FrmDareAvulsas::open(p); });
    window.setOpener(Command::Imprimir, [](QWidget* p) { print::ui::FrmOpcImpressao::open(p); });
}

} // namespace vexa::app
