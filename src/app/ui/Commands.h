#pragma once
// The screens the main window's toolbar and menu open. Each is opened modally
// by an opener that Screens.cpp registers; a command without one does nothing.

#include <functional>

class QWidget;

namespace vexa::app {

enum class Command {
    Contribuintes,          // taxpayers
    Contabilistas,          // accountants
    Vexa,                   // the monthly declaration
    Dare,                   // payment slips of the declarations
    DareAvulso,             // standalone payment slips (no button or menu item shows it)
    CopiarVexa,             // export of the submission file
    Imprimir,               // print options
    IGPDI,                  // IGP-DI index table
    SELIC,                  // SELIC index table
    ImportarContabilidade,  // import from an accounting-system file
    ImportarVersao96,       // import of the previous version's database
    CopiaSeguranca,         // backup and restore
};

// Opens the command's screen modally over parent and returns when it closes.
using ScreenOpener = std::function<void(QWidget* parent)>;

} // namespace vexa::app
